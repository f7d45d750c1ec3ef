#!/usr/bin/python3
"""atlas_browser.py CLI DEMO_DIR WORK_DIR: see bench/atlas-browser."""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
from headless_chromium import chromium  # noqa: E402

PAGES = ["index.html", "items.html", "monsters.html", "maps.html", "pictures.html", "item/5.html",
         "monster/3.html", "map/0.html", "map/10.html", "party.html", "world.html"]


def main(cli, demo, work):
    shutil.rmtree(work, ignore_errors=True)
    sites = []
    for edition in ["first", "gold"]:
        out = os.path.join(work, edition)
        start = time.perf_counter()
        subprocess.run([cli, "--game", os.path.join(demo, edition), "atlas", "--out", out,
                        "--save", "SAVES/SAVEGAME.DBS"], check=True, stdout=subprocess.DEVNULL)
        print("%s: atlas written in %.2f s (wall clock, with loading the game)" % (edition, time.perf_counter() - start))
        sites.append(out)
    with chromium("atlas-bench-") as driver:
        for site in sites:
            for page in PAGES:
                times = []
                for _ in range(3):
                    driver.get("file://" + os.path.abspath(os.path.join(site, page)))
                    times.append(driver.execute_script(
                        "const t = performance.getEntriesByType('navigation')[0];"
                        "return [t.domContentLoadedEventEnd - t.startTime, t.loadEventEnd - t.startTime];"))
                best = min(times, key=lambda t: t[1])
                print("%-6s %-16s DOM ready %4.0f ms, loaded %4.0f ms (best of 3)"
                      % (os.path.basename(site), page, best[0], best[1]))
            driver.get("file://" + os.path.abspath(os.path.join(site, "items.html")))
            sorts = driver.execute_script(
                "const out = [];"
                "for (const c of [8, 0, 17, 4]) {"
                "  const th = document.querySelector(`#items th[data-col='${c}']`);"
                "  for (let k = 0; k < 3; ++k) {"
                "    const start = performance.now(); th.click(); document.body.offsetHeight;"
                "    out.push(performance.now() - start); } }"
                "return out;")
            print("%-6s item table: a sort with the layout after it takes %.1f ms at most, %.1f ms on average"
                  % (os.path.basename(site), max(sorts), sum(sorts) / len(sorts)))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
