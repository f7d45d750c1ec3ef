#!/usr/bin/python3
"""atlas-shots.py ATLAS_DIR OUT_DIR: screenshots of an atlas's items page and its first map page
with a cell opened, taken in headless Chromium; prints their paths."""
import os
import sys

from headless_chromium import chromium


def main(atlas, out):
    os.makedirs(out, exist_ok=True)
    with chromium("atlas-shots-") as driver:
        driver.get("file://" + os.path.join(os.path.abspath(atlas), "items.html"))
        path = os.path.join(out, "atlas-items.png")
        driver.save_screenshot(path)
        print(path)
        driver.get("file://" + os.path.join(os.path.abspath(atlas), "map", "0.html"))
        # Everything shown, and the first cell with a chain opened, as a reader would have it.
        driver.execute_script(
            "document.getElementById('toggle-all').click();"
            "const chain = document.querySelector('section.cell details');"
            "if (chain) { location.hash = chain.closest('section').id; chain.open = true; }")
        path = os.path.join(out, "atlas-map.png")
        driver.save_screenshot(path)
        print(path)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
