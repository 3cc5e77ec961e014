"""The browser edition in Debian's headless chromium, on a server of its own on 127.0.0.1: what the
browser tests and the benchmark share. Each context ends what it started, whatever happens."""

import contextlib
import os
import shutil
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

SERVE = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "serve.py")
# What works here as root and with no display, and keeps the browser off the network.
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-dev-shm-usage"]


@contextlib.contextmanager
def served(site):
    """The site served on a free port of 127.0.0.1; yields the page's address."""
    server = subprocess.Popen([sys.executable, SERVE, site, "0", "--quiet"],
                              stdout=subprocess.PIPE, text=True)
    try:
        yield server.stdout.readline().strip()
    finally:
        server.terminate()
        server.wait(10)
        server.stdout.close()


@contextlib.contextmanager
def chromium(language="es", width=1280, height=900):
    """A fresh headless chromium speaking `language`, with a profile of its own that goes with it."""
    profile = tempfile.mkdtemp(prefix="lucen-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS + [f"--user-data-dir={profile}", f"--lang={language}",
                         f"--window-size={width},{height}"]:
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = None
    try:
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        yield driver
    finally:
        if driver is not None:
            driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def open_page(driver, address):
    """Loads the page afresh at `address` and waits until its board can be pressed."""
    driver.get("about:blank")  # a new address, not a change of the hash on the page shown
    driver.get(address)
    wait_for(driver, "return document.documentElement.dataset.ready === 'true'")


def wait_for(driver, script, *args, timeout=10):
    """Waits until `script` returns something true, and returns it."""
    return WebDriverWait(driver, timeout).until(lambda d: d.execute_script(script, *args))
