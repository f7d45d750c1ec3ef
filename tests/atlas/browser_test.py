#!/usr/bin/python3
"""The atlas in a real browser: headless Chromium opens the written pages from file:// and is
driven as a reader would, its results compared with what tallowmark-cli prints.

browser_test.py --cli CLI --hostile HOSTILE_GAME --demo DEMO_DIR --work WORK_DIR
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import time

from selenium.common.exceptions import NoAlertPresentException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from headless_chromium import chromium  # noqa: E402

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED:", message)
    return condition


def cli(args, *command):
    result = subprocess.run([args.cli, *command], capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit("tallowmark-cli %s failed: %s" % (" ".join(command), result.stderr))
    return result.stdout


def write_atlas(args, game, out, *options):
    return cli(args, "--game", game, "atlas", "--out", out, *options).strip()


def open_page(driver, path):
    driver.get("file://" + os.path.abspath(path))
    return driver


def script_errors(driver, page):
    for entry in driver.get_log("browser"):
        if entry["level"] == "SEVERE":
            check(False, "%s logged: %s" % (page, entry["message"]))


def no_alert(driver, page):
    try:
        alert = driver.switch_to.alert
        check(False, "%s raised an alert: %s" % (page, alert.text))
        alert.dismiss()
    except NoAlertPresentException:
        pass


def cli_ids(args, game, *options):
    """The item numbers of the rows the command line's Item List prints with these options."""
    return [int(line.split("\t")[0]) for line in cli(args, "--game", game, "items", *options).splitlines()[1:]]


# The table lays out only the rows in view, so it is read as a reader sees it: scrolled from the
# top to the bottom, each row taken when it shows below the header.
READ_TABLE = """
const done = arguments[arguments.length - 1];
const table = document.getElementById('items');
const frame = () => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
(async () => {
  const seen = new Map();
  window.scrollTo(0, 0);
  await frame();
  for (;;) {
    const header = Math.max(table.tHead.getBoundingClientRect().bottom, 0);
    for (const row of table.tBodies[0].rows) {
      const box = row.getBoundingClientRect();
      if (!row.classList.contains('spacer') && box.bottom > header + 1 && box.top < innerHeight - 1)
        seen.set(Number(row.getAttribute('aria-rowindex')), Number(row.id.slice(1)));
    }
    if (window.scrollY + innerHeight >= document.documentElement.scrollHeight - 1) break;
    window.scrollBy(0, innerHeight - header - 40);
    await frame();
  }
  done([Array.from(seen.keys()).sort((a, b) => a - b).map((k) => seen.get(k)),
        Number(table.getAttribute('aria-rowcount')) - 1]);
})();
"""


def shown_ids(driver):
    ids, count = driver.execute_async_script(READ_TABLE)
    check(len(ids) == count, "items: every row of the %i the table holds was seen scrolling, not %i" % (count, len(ids)))
    return ids


def test_items(driver, args, site, game):
    open_page(driver, os.path.join(site, "items.html"))
    check(shown_ids(driver) == cli_ids(args, game), "items: the table holds every item in number order")
    heading = driver.find_element(By.CSS_SELECTOR, "#items th[data-col='8']")
    start = time.perf_counter()
    heading.click()
    ascending = shown_ids(driver)
    print("sort by damage: %.0f ms (with the read-back)" % ((time.perf_counter() - start) * 1000))
    check(ascending == cli_ids(args, game, "--sort", "damage"), "items: damage ascending as the Item List sorts it")
    heading.click()
    check(shown_ids(driver) == cli_ids(args, game, "--sort", "damage:desc"), "items: a second click sorts descending")
    before = shown_ids(driver)
    heading.click()
    check(shown_ids(driver) == before, "items: a third click leaves the order as it is")
    open_page(driver, os.path.join(site, "items.html"))  # rows that compare equal keep the order they had
    races = driver.find_element(By.CSS_SELECTOR, "#items th[data-col='17']")
    races.click()
    races.click()
    check(shown_ids(driver) == cli_ids(args, game, "--sort", "races:desc"), "items: races descending by character code")
    races.click()

    # The filters, against the command line's: a type, then an effect, then properties with none ticked.
    select = Select(driver.find_element(By.CSS_SELECTOR, "select[name=type]"))
    code = select.options[1].get_attribute("value")
    select.select_by_index(1)
    expected = sorted(cli_ids(args, game, "--type", code))
    check(sorted(shown_ids(driver)) == expected and expected, "items: the type filter shows type %s" % code)
    check(driver.find_element(By.ID, "item-count").text == "%i items" % len(expected), "items: the count follows")
    select.select_by_value("255")
    driver.find_element(By.CSS_SELECTOR, "input[name=use-eff]").click()
    driver.find_element(By.CSS_SELECTOR, "input[name=eff][value='0']").click()
    expected = sorted(cli_ids(args, game, "--effects", "0"))
    check(sorted(shown_ids(driver)) == expected and expected, "items: the effect filter")
    driver.find_element(By.CSS_SELECTOR, "input[name=use-eff]").click()
    driver.find_element(By.CSS_SELECTOR, "input[name=use-prop]").click()
    check(shown_ids(driver) == [], "items: the properties filter with nothing checked hides every item")
    driver.find_element(By.CSS_SELECTOR, "input[name=use-prop]").click()

    # A name typed in finds its item; the item pages' link to their row brings it into view.
    lines = cli(args, "--game", game, "items").splitlines()[1:]
    number, name = lines[-1].split("\t")[:2]
    driver.find_element(By.CSS_SELECTOR, "input[name=find]").send_keys(name.upper())
    check(int(number) in shown_ids(driver), "items: the name %r finds item %s" % (name, number))
    open_page(driver, os.path.join(site, "items.html") + "#i" + number)
    row = driver.execute_script(
        "const row = document.getElementById(arguments[0]); if (!row) return null;"
        "const box = row.getBoundingClientRect();"
        "return [row.classList.contains('target'), box.top >= document.querySelector('#items thead')"
        ".getBoundingClientRect().bottom - 1 && box.bottom <= innerHeight];", "i" + number)
    check(row == [True, True], "items: items.html#i%s shows and marks the item's row" % number)

    # Tabbing from row to row goes on past the rows first laid out, the page scrolling along.
    open_page(driver, os.path.join(site, "items.html"))
    driver.execute_script("document.querySelector('#items tbody a').focus()")
    for _ in range(60):
        ActionChains(driver).send_keys(Keys.TAB).perform()
    focused = driver.execute_script(
        "const a = document.activeElement, row = a.closest('#items tbody tr');"
        "return row ? [Number(row.getAttribute('aria-rowindex')), a.getBoundingClientRect().bottom <= innerHeight] : null;")
    check(focused == [62, True], "items: tabbing through 60 rows reaches the 61st, in view (%s)" % focused)
    script_errors(driver, "items.html")


def test_map(driver, args, site, game, number):
    page = os.path.join(site, "map", "%i.html" % number)
    open_page(driver, page)
    # An option toggled shows its overlay.
    box = driver.find_element(By.CSS_SELECTOR, "input[data-overlay]:not([disabled])")
    overlay = driver.find_element(By.ID, "overlay-" + box.get_attribute("data-overlay"))
    check(not overlay.is_displayed(), "map: an option starts off")
    box.click()
    check(overlay.is_displayed() and driver.execute_script("return arguments[0].naturalWidth", overlay) > 0,
          "map: the toggled option's overlay is shown")

    # A cell whose chains can be opened: hover it, compare with the command line, click, expand.
    data = json.loads(driver.find_element(By.ID, "map-data").get_attribute("textContent"))
    target = driver.execute_script(
        "const s = Array.from(document.querySelectorAll('section.cell')).find(s => s.querySelector('details'));"
        "return s ? s.id : null;")
    if not check(target is not None, "map %i: a cell with an event chain" % number):
        return
    index = next(i for i, cell in enumerate(data["cells"]) if cell[1] == target)
    at = data["grid"].index(index)
    px = (at % data["columns"]) * data["columnStep"] + data["columnStep"] // 2
    py = (at // data["columns"]) * data["rowStep"] + data["rowStep"] // 2
    element = driver.find_element(By.ID, "map")
    width, height = element.size["width"], element.size["height"]
    ActionChains(driver).move_to_element_with_offset(element, px - width // 2, py - height // 2).perform()
    expected = cli(args, "--game", game, "hover", str(number), str(px), str(py)).rstrip("\n")
    shown = driver.find_element(By.ID, "hover").text
    check(shown == expected and expected.startswith("Quadrant"), "map: hover shows %r, the tool %r" % (shown, expected))
    ActionChains(driver).move_to_element_with_offset(element, px - width // 2, py - height // 2).click().perform()
    section = driver.find_element(By.ID, target)
    check(section.is_displayed(), "map: a click on the cell shows its properties")
    details = section.find_element(By.TAG_NAME, "details")
    child = details.find_element(By.CSS_SELECTOR, "ul > li")
    check(not details.get_property("open"), "map: a chain starts closed")
    details.find_element(By.TAG_NAME, "summary").click()
    check(details.get_property("open") and child.is_displayed() and child.text,
          "map: a click on a chain item expands it")
    coordinates = [line for line in cli(args, "--game", game, "cell", str(number),
                                         *target[2:].split("-")).splitlines() if line.startswith("Coordinates: ")]
    check(coordinates and section.find_element(By.TAG_NAME, "h2").text == coordinates[0][len("Coordinates: "):],
          "map: the properties name the cell as the tool does")
    script_errors(driver, "map/%i.html" % number)


def test_pages(driver, site):
    for page in ["index.html", "monsters.html", "maps.html", "pictures.html", "monster/3.html", "item/5.html"]:
        open_page(driver, os.path.join(site, page))
        script_errors(driver, page)
        timing = driver.execute_script(
            "const t = performance.getEntriesByType('navigation')[0]; return t.loadEventEnd - t.startTime;")
        print("%s usable after %.0f ms" % (page, timing))
    open_page(driver, os.path.join(site, "monster/3.html"))
    frames = driver.find_elements(By.CSS_SELECTOR, ".frames .frame")
    # The monster's picture is the pictures page's strip of its file, not a copy of it.
    strips = {driver.execute_script("return getComputedStyle(arguments[0]).backgroundImage", f) for f in frames}
    check(frames and all("/img/pic-" in strip for strip in strips), "monster: the picture links %s" % strips)
    check(not [f for f in os.listdir(os.path.join(site, "img")) if f.startswith("monster-")],
          "no picture is written twice")
    if len(frames) > 1:
        first = [f.is_displayed() for f in frames]
        time.sleep(0.7)
        check([f.is_displayed() for f in frames] != first, "monster: the picture turns frame by frame")


def test_save(driver, site):
    open_page(driver, os.path.join(site, "party.html"))
    script_errors(driver, "party.html")
    characters = driver.find_elements(By.CSS_SELECTOR, "section.character h2")
    check(len(characters) > 0, "party: every character has a sheet")
    links = driver.find_elements(By.CSS_SELECTOR, "section.character a[href^='item/']")
    if check(links, "party: the characters' items link to their pages"):
        name = links[0].text
        links[0].click()
        check(driver.find_element(By.TAG_NAME, "h1").text == name, "party: an item link opens that item")
    open_page(driver, os.path.join(site, "world.html"))
    script_errors(driver, "world.html")
    check(driver.find_elements(By.CSS_SELECTOR, "section[id^=world-map] img"), "world: the maps with items are drawn")


def test_hostile(driver, args, site):
    for page in ["items.html", "item/1.html", "item/2.html", "monsters.html", "monster/1.html"]:
        open_page(driver, os.path.join(site, page))
        time.sleep(0.1)
        no_alert(driver, page)
        check(driver.execute_script("return document.querySelectorAll('svg, img[src=x], b, i').length") == 0,
              "%s: no element made from a name" % page)
        script_errors(driver, page)
    open_page(driver, os.path.join(site, "item/1.html"))
    check(driver.find_element(By.TAG_NAME, "h1").text == "<svg onload of alert(1)>", "hostile item name shown literally")
    texts = [p.text for p in driver.find_elements(By.CSS_SELECTOR, "p.plain")]
    check(texts and "</script><script>alert(1)</script>" in texts[0] and
          "\"><img src=x onerror=alert(1)>" in texts[0] and "&amp;" in texts[0], "hostile item text shown literally")
    open_page(driver, os.path.join(site, "item/2.html"))
    check(driver.find_element(By.TAG_NAME, "h1").text == "&amp;<b>\"'", "an entity in a name stays as typed")
    open_page(driver, os.path.join(site, "monster/1.html"))
    check(driver.find_element(By.TAG_NAME, "h1").text == "<i>&amp;\"'<i>", "hostile monster name shown literally")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--hostile", required=True)
    parser.add_argument("--demo", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    first, gold = os.path.join(args.demo, "first"), os.path.join(args.demo, "gold")
    hostile_game = os.path.join(args.work, "hostile-game")
    subprocess.run([args.hostile, hostile_game], check=True)
    sites = {}
    for name, game, options in [("first", first, ["--save", "SAVES/SAVEGAME.DBS"]), ("gold", gold, []),
                                ("hostile", hostile_game, [])]:
        start = time.perf_counter()
        index = write_atlas(args, game, os.path.join(args.work, name), *options)
        print("atlas of %s written in %.1f s: %s" % (name, time.perf_counter() - start, index))
        sites[name] = os.path.dirname(index)

    with chromium("atlas-browser-", console_log=True) as driver:
        test_items(driver, args, sites["first"], first)
        test_map(driver, args, sites["first"], first, 0)
        test_save(driver, sites["first"])
        test_map(driver, args, sites["gold"], gold, 0)
        test_pages(driver, sites["gold"])
        open_page(driver, os.path.join(sites["gold"], "index.html"))
        check("Gold edition" in driver.find_element(By.TAG_NAME, "h1").text, "index: names the edition")
        test_hostile(driver, args, sites["hostile"])
    print("%i failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
