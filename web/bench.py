#!/usr/bin/env python3
"""Measures the browser edition in Debian's headless chromium, on a local server of its own:

- loading: from the request of the page to a board that can be pressed (the page's own mark
  'lucen-ready', timed from the navigation's start), the browser's cache off; median of RUNS;
- a press on 9 x 9 under four colours: from the click's event to the frame that shows it (the
  first task after the next animation frame, which follows the paint), and the page's own work
  for it; medians of 41 presses;
- the size of what the page loads (WebAssembly, JavaScript, HTML and CSS), as built and gzipped.

    bench.py SITE [RUNS]      SITE: build/web/site; RUNS: loads to time (default 21)

Prints each figure with its target, MISSED beside any target missed; exits 1 then.
"""

import gzip
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "tests"))
from browser import chromium, open_page, served, wait_for  # noqa: E402

# Times each click on the board: the event's own time, the end of the page's handlers (a listener
# on the window runs after the board's), and the first task after the next frame.
TIMING = """
window.pressTimes = [];
window.addEventListener('click', (event) => {
  if (!event.target.closest('.cell')) return;
  const times = {event: event.timeStamp};
  window.pressTimes.push(times);
  times.handled = performance.now();
  requestAnimationFrame(() => {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => { times.painted = performance.now(); };
    channel.port2.postMessage(null);
  });
});
"""

missed = []


def report(what, value, unit, target):
    met = value < target
    if not met:
        missed.append(what)
    print(f"{what}: {value:.1f} {unit} (target under {target} {unit}: {'met' if met else 'MISSED'})")


def main():
    site = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    with served(site) as address, chromium() as driver:
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        loads = []
        for _ in range(runs):
            open_page(driver, address)
            loads.append(driver.execute_script(
                "return performance.getEntriesByName('lucen-ready')[0].startTime"))
        report(f"request to a pressable board, median of {runs} loads", statistics.median(loads),
               "ms", 300)

        open_page(driver, f"{address}#9x9-4-1")
        driver.execute_script(TIMING)
        cells = driver.find_elements("css selector", "#board .cell")
        presses = 41
        for press in range(presses):
            cells[press * 2 % len(cells)].click()
            wait_for(driver, "return window.pressTimes.at(-1)?.painted !== undefined")
        times = driver.execute_script("return window.pressTimes")
        report(f"a press to its painted frame, median of {presses}",
               statistics.median(t["painted"] - t["event"] for t in times), "ms", 16)
        print("  of which the page's own work: median {:.2f} ms".format(
            statistics.median(t["handled"] - t["event"] for t in times)))

    loaded = [name for name in sorted(os.listdir(site))
              if name.endswith((".wasm", ".js", ".html", ".css"))]
    size = sum(os.path.getsize(os.path.join(site, name)) for name in loaded)
    packed = sum(len(gzip.compress(open(os.path.join(site, name), "rb").read(), 9))
                 for name in loaded)
    report(f"WebAssembly, JavaScript, HTML and CSS ({len(loaded)} files)", size / 1000, "KB", 300)
    print(f"  gzipped: {packed / 1000:.1f} KB; the instructions pages besides: " + ", ".join(
        f"{name} {os.path.getsize(os.path.join(site, name)) / 1000:.1f} KB"
        for name in sorted(os.listdir(site)) if name.endswith(".htm")))
    sys.exit(1 if missed else 0)


if __name__ == "__main__":
    main()
