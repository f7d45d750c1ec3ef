"""Headless Chromium through its driver, as the atlas's browser test, benchmark and screenshots run it."""
import contextlib
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


@contextlib.contextmanager
def chromium(prefix, console_log=False):
    """A driver of a fresh headless Chromium with a profile of its own, removed again at the end.
    With console_log, the page's console messages can be read with driver.get_log("browser")."""
    profile = tempfile.mkdtemp(prefix=prefix)
    options = webdriver.ChromeOptions()
    for argument in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--no-first-run",
                     "--user-data-dir=" + profile, "--window-size=1400,1000"]:
        options.add_argument(argument)
    if console_log:
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver") or "/usr/bin/chromedriver"),
                              options=options)
    try:
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)
