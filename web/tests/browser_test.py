#!/usr/bin/env python3
"""The browser edition played in headless chromium, as a player would: by clicks, by the keyboard
and by touch on a phone-sized screen. Every expectation comes from the page's own C++ (lucen.js,
loaded a second time beside the page) or, for the game of the day and the records file, from the
desktop's C++.

    browser_test.py SITE      SITE: the built folder (build/web/site)
"""

import atexit
import datetime
import functools
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import chromium, open_page, served, wait_for

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# Plays `commands` ([name, cell?] each) on a fresh session of the page's own C++ after starting
# `code`, and tells what the page should then show.
PLAY = """
const [code, commands, done] = arguments;
window.reference ??= Promise.all([import('./lucen.js').then((m) => m.default()), import('./texts.js')]);
window.reference.then(([lucen, texts]) => {
  const session = new lucen.Session();
  if (code) session.start(code);
  let last = null;
  for (const [name, ...cell] of commands) last = session[name](...cell);
  const state = session.state();
  const route = session.solutionRoute();
  session.delete();
  done({state, last, route, palette: lucen.palette(state.colourCount),
        line: state.game ? texts.gameLine(state.game, state.remaining) : '',
        winLines: last?.won ? texts.winLines(last.won, state.streak).join('\\n') : null,
        copied: texts.tr('lucen::WinMessage', 'Copiado')});
}).catch((error) => done({error: String(error)}));
"""


def play(driver, code, commands=()):
    result = driver.execute_async_script(PLAY, code, [list(command) for command in commands])
    assert "error" not in result, result
    return result


def tr(driver, context, source, count=None):
    """The page's text, as its texts.js gives it."""
    return driver.execute_async_script("import('./texts.js').then((t) => arguments[3](t.tr(arguments[0],"
                                       " arguments[1], arguments[2] ?? undefined)))", context, source, count)


class Page(unittest.TestCase):
    language, width, height = "es", 1280, 900

    @classmethod
    def setUpClass(cls):
        cls.browser = chromium(cls.language, cls.width, cls.height)
        cls.driver = cls.browser.__enter__()
        cls.driver.set_script_timeout(20)

    @classmethod
    def tearDownClass(cls):
        cls.browser.__exit__(None, None, None)

    def tearDown(self):
        errors = [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [])

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def cells(self):
        return self.driver.find_elements(By.CSS_SELECTOR, "#board .cell")

    def assert_board_shows(self, expected):
        """Each cell in its colour from the rules, named for it, one name to a colour."""
        shown = self.js("return [...document.querySelectorAll('#board .cell')].map((cell) =>"
                        " [getComputedStyle(cell).backgroundColor, cell.getAttribute('aria-label')])")
        state, palette = expected["state"], expected["palette"]
        self.assertEqual([colour for colour, _ in shown],
                         ["rgb({}, {}, {})".format(*palette[step]["rgb"]) for step in state["steps"]])
        names = {colour: {label.rsplit(", ", 1)[1] for c, label in shown if c == colour}
                 for colour, _ in shown}
        self.assertTrue(all(len(name) == 1 for name in names.values()), names)
        self.assertEqual(len({next(iter(name)) for name in names.values()}), len(names))

    def assert_win(self, code, expected):
        wait_for(self.driver, "return document.getElementById('win').open")
        lines = self.js("return document.getElementById('winLines').textContent")
        self.assertEqual(lines, expected["winLines"])
        self.assertIn(code, lines)
        self.assertIn(str(expected["last"]["won"]["presses"]), lines)
        self.assertTrue(self.js("return document.activeElement.closest('dialog') !== null"))


class Served(Page):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.server = served(sys.argv[1])
        cls.address = cls.server.__enter__()

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        cls.server.__exit__(None, None, None)

    def line(self):
        return self.js("return document.getElementById('line').textContent")

    def click(self, selector):
        self.driver.find_element(By.CSS_SELECTOR, selector).click()

    def answer(self, button):
        """Answers the question up, which has taken the focus."""
        wait_for(self.driver, "return document.getElementById('question').open &&"
                 " document.activeElement.closest('#question') !== null")
        self.driver.find_element(By.ID, button).click()
        wait_for(self.driver, "return !document.getElementById('question').open")


class Desktop(Served):
    def test_game_from_the_address_won_by_clicks(self):
        # A bad code is named, and the design's board played instead.
        open_page(self.driver, f"{self.address}#6x6-3-1000000")
        self.assertIn("6x6-3-1000000", self.js("return document.getElementById('notice').textContent"))
        self.assert_board_shows(play(self.driver, None))

        code = "6x6-3-4242"
        open_page(self.driver, f"{self.address}#{code}")
        route = play(self.driver, code)["route"]
        cells = self.cells()
        self.assertEqual([cell.get_attribute("aria-label").split(",")[0] for cell in cells],
                         [f"Celda {number}" for number in range(1, len(cells) + 1)])
        half = len(route) // 2
        for cell in route[:half]:
            cells[cell].click()
        midway = play(self.driver, code, [["press", cell] for cell in route[:half]])
        self.assert_board_shows(midway)
        self.assertEqual(self.js("return document.getElementById('line').textContent"), midway["line"])
        self.assertEqual(self.js("return location.hash"), f"#{code}")
        for cell in route[half:]:
            cells[cell].click()
        self.assert_win(code, play(self.driver, code, [["press", cell] for cell in route]))

        # "Copiar resultado" leaves the message up and says so, to a screen reader too; the line
        # ends with the page's address for the game.
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.address.rstrip("/"), "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.driver.find_element(By.ID, "copyResult").click()
        copied = midway["copied"]
        wait_for(self.driver, "return document.getElementById('copyStatus').textContent === arguments[0]"
                 " && document.getElementById('copyResult').textContent === arguments[0]", copied)
        shared = self.driver.execute_async_script("navigator.clipboard.readText().then(arguments[0])")
        self.assertTrue(shared.startswith(f"Lucen {code}: ") and shared.endswith(f" {self.address}#{code}"),
                        shared)
        self.driver.find_element(By.CSS_SELECTOR, "#win [value='ok']").click()
        black = play(self.driver, code, [["turnBlack"]])
        self.assert_board_shows(black)
        self.assertEqual(self.js("return [location.hash, document.activeElement.dataset.index]"),
                         ["", str(route[-1])])

    def test_game_won_by_the_keyboard(self):
        code = "5x5-4-777"
        open_page(self.driver, f"{self.address}#{code}")
        route = play(self.driver, code)["route"]
        keys = ActionChains(self.driver)
        for _ in range(40):
            if self.js("return document.activeElement.classList.contains('cell')"):
                break
            keys.send_keys(Keys.TAB).perform()
        self.assertTrue(self.js("return document.activeElement.matches('.cell:focus-visible')"))
        start = int(self.js("return document.activeElement.dataset.index"))
        # A press taken back by Ctrl+Z still counts, as on the desktop.
        keys.send_keys(Keys.SPACE).key_down(Keys.CONTROL).send_keys("z").key_up(Keys.CONTROL).perform()
        place, size = start, 5
        for cell in route:
            rows, columns = cell // size - place // size, cell % size - place % size
            arrows = [Keys.DOWN if rows > 0 else Keys.UP] * abs(rows)
            arrows += [Keys.RIGHT if columns > 0 else Keys.LEFT] * abs(columns)
            keys.send_keys(*arrows, Keys.SPACE).perform()
            place = cell
        won = play(self.driver, code, [["press", start], ["undo"]] + [["press", c] for c in route])
        self.assert_win(code, won)
        keys.send_keys(Keys.ESCAPE).perform()
        wait_for(self.driver, "return !document.getElementById('win').open")
        self.assertEqual(self.js("return document.activeElement.dataset.index"), str(route[-1]))

    def test_hints_and_the_questions_before_a_score_is_lost(self):
        code = "7x7-3-123456"
        open_page(self.driver, f"{self.address}#{code}")
        self.cells()[0].click()
        size = self.driver.find_element(By.ID, "size")
        self.js("arguments[0].value = '9'; arguments[0].dispatchEvent(new Event('change'))", size)
        self.answer("stay")
        # The close event comes a moment after the dialog closes.
        wait_for(self.driver, "return arguments[0].value === '7'", size)
        self.assertEqual(self.js("return location.hash"), f"#{code}")

        hint = self.driver.find_element(By.CSS_SELECTOR, "[data-command='hint']")
        hint.click()  # the first only tells how many presses remain
        told = play(self.driver, code, [["press", 0], ["askHint"]])
        self.assertEqual(self.js("return document.getElementById('line').textContent"), told["line"])
        self.assertEqual(self.js("return document.querySelectorAll('.hint').length"), 0)
        hint.click()
        self.answer("stay")
        wait_for(self.driver, "return document.activeElement.dataset.command === 'hint'")
        self.assertEqual(self.js("return document.querySelectorAll('.hint').length"), 0)
        hint.click()
        self.answer("goOn")
        wait_for(self.driver, "return document.querySelector('.hint')")
        marked = play(self.driver, code, [["press", 0], ["askHint"], ["askHint"]])
        self.assertEqual(self.js("return [...document.querySelectorAll('.hint')].map((c) => c.dataset.index)"
                                 ".concat(document.activeElement.dataset.index)"),
                         [str(marked["last"]["cell"])] * 2)
        self.assertEqual(self.js("return document.getElementById('line').textContent"), marked["line"])

    def test_game_of_the_day_is_the_desktops(self):
        dates = [datetime.date(2023, 12, 1) + datetime.timedelta(days) for days in range(430)]
        dates += [datetime.date(*day) for day in [(2000, 2, 29), (2100, 2, 28), (2100, 3, 1),
                                                  (1999, 12, 31), (2000, 1, 1), (1, 1, 1),
                                                  (9999, 12, 31)]]
        today = datetime.date.today()
        with tempfile.TemporaryDirectory() as folder:
            native = os.path.join(folder, "daily_codes")
            subprocess.run(["g++", "-std=c++20", "-O1", f"-I{SOURCE}", "-o", native,
                            os.path.join(SOURCE, "web/tests/daily_codes.cpp")] +
                           [os.path.join(SOURCE, path) for path in
                            ["progress/daily_game.cpp", "progress/calendar_date.cpp",
                             "board/game_code.cpp"]], check=True)
            lines = "".join(f"{date.isoformat()}\n" for date in dates + [today])
            desktop = subprocess.run([native], input=lines, capture_output=True, text=True,
                                     check=True).stdout.splitlines()
        open_page(self.driver, self.address)
        browser = self.js("const [dates, done] = arguments;"
                          "return import('./lucen.js').then((m) => m.default())"
                          ".then((lucen) => dates.map(([y, m, d]) => lucen.dailyCode(y, m, d)))",
                          [[date.year, date.month, date.day] for date in dates + [today]])
        self.assertEqual(len(desktop), len(dates) + 1)
        self.assertEqual(browser, desktop)
        # The page's "Partida del día" plays the local date's.
        self.driver.find_element(By.CSS_SELECTOR, "[data-command='daily']").click()
        self.assertEqual(self.js("return location.hash"), f"#{desktop[-1]}")


# The desktop's records file, as its own C++ writes and reads it (web/tests/records_file.cpp), built
# as one unit so that the JSON library's templates are compiled once, and once for all the tests.
RECORDS_SOURCES = ["board/board.cpp", "board/game_code.cpp", "board/numbered_game.cpp",
                   "board/solver.cpp", "progress/base64.cpp", "progress/calendar_date.cpp",
                   "progress/daily_game.cpp", "progress/game_set.cpp", "progress/game_set_json.cpp",
                   "progress/json_fields.cpp", "progress/records.cpp", "progress/records_json.cpp",
                   "progress/streak.cpp", "web/tests/records_file.cpp"]


@functools.cache
def records_file():
    folder = tempfile.mkdtemp()
    atexit.register(shutil.rmtree, folder)
    native = os.path.join(folder, "records_file")
    subprocess.run(["g++", "-std=c++20", "-O0", f"-I{SOURCE}", "-x", "c++", "-", "-o", native],
                   input="".join(f'#include "{path}"\n' for path in RECORDS_SOURCES), text=True,
                   check=True)
    return lambda *args, text: subprocess.run([native, *args], input=text, capture_output=True,
                                              text=True, check=True).stdout


class Kept(Served):
    """What the page keeps in the browser: the game in play, the records carried to and from the
    desktop's records file, and nothing at all where the browser refuses."""

    def open_afresh(self, place=""):
        open_page(self.driver, self.address)
        self.js("localStorage.clear()")
        open_page(self.driver, self.address + place)

    def test_a_game_in_play_comes_back_after_a_reload_and_hears_other_tabs(self):
        code = "7x7-4-2024"
        self.open_afresh(f"#{code}")
        route = play(self.driver, code)["route"]
        for cell in route[:3]:
            self.cells()[cell].click()
        self.click("[data-command='undo']")
        played = [["press", cell] for cell in route[:3]] + [["undo"]]
        expected = play(self.driver, code, played)
        open_page(self.driver, self.address)  # no code in the address: the game kept comes back
        self.assert_board_shows(expected)
        self.assertEqual([self.line(), self.js("return location.hash")], [expected["line"], f"#{code}"])
        for command in ["redo", "undo", "undo"]:  # both lists came back
            self.click(f"[data-command='{command}']")
            played.append([command])
            self.assert_board_shows(play(self.driver, code, played))

        # Another tab wins the same game: this one hears of it, and its game no longer scores.
        first = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        open_page(self.driver, f"{self.address}#{code}")
        for cell in play(self.driver, code, played)["route"]:
            self.cells()[cell].click()
        wait_for(self.driver, "return document.getElementById('win').open")
        records = self.js("return localStorage.getItem('lucen.records')")
        self.driver.close()
        self.driver.switch_to.window(first)
        heard = play(self.driver, code, played + [["readRecords", records]])["line"]
        self.assertNotEqual(heard, expected["line"])
        wait_for(self.driver, "return document.getElementById('line').textContent === arguments[0]", heard)

    def test_records_carried_from_the_desktops_file_and_back(self):
        self.open_afresh()
        yesterday = datetime.date.today() - datetime.timedelta(1)
        day = [yesterday.year, yesterday.month, yesterday.day]
        before = play(self.driver, None, [["startPastDay", *day]])["state"]["game"]["code"]
        events = ["start 6x6-2-500", "win 6x6-2-500 1", "start 7x7-3-321",
                  f"start {before} {yesterday}", f"win {before} 0 {yesterday}"]
        with tempfile.TemporaryDirectory() as folder:
            desktop = records_file()
            path, garbage = pathlib.Path(folder, "records.json"), pathlib.Path(folder, "garbage.json")
            path.write_text(desktop("write", text="\n".join(events)), encoding="utf-8")
            written = json.loads(desktop("read", text=path.read_text(encoding="utf-8")))
            garbage.write_text('{"format": 2, "boards": [', encoding="utf-8")

            # Imported into "Récords", shown as the desktop reads it; the same file again, or one
            # that cannot be read, changes nothing.
            self.click("[data-command='records']")
            stored = []
            for chosen in [path, path, garbage]:
                self.js("document.getElementById('importResult').hidden = true")
                self.driver.find_element(By.ID, "importFile").send_keys(str(chosen))
                told = wait_for(self.driver, "const line = document.getElementById('importResult');"
                                " return !line.hidden && line.textContent")
                self.assertIn(chosen.name, told)
                stored.append(self.js("return localStorage.getItem('lucen.records')"))
            self.assertEqual(stored[1:], stored[:1] * 2)
            shown = self.js("return Object.fromEntries([...document.querySelectorAll('[data-board]')]"
                            ".map((s) => [s.dataset.board, [...s.querySelectorAll('dd')].slice(0, 3)"
                            ".map((d) => Number(d.textContent))]))")
            self.assertEqual(shown, written["boards"])
            self.assertEqual(self.js("return document.getElementById('currentStreak').textContent"),
                             tr(self.driver, "RecordsTexts", "Racha actual: %n días", written["streak"][0]))
            self.click("#records [value='close']")

            # A code played on the desktop is practice here; yesterday's perfect win is marked.
            open_page(self.driver, f"{self.address}#7x7-3-321")
            self.assertEqual(self.line(), play(self.driver, None, [["readRecords", stored[0]],
                                                                   ["start", "7x7-3-321"]])["line"])
            self.click("[data-command='pastDays']")
            chosen = self.driver.find_element(By.CSS_SELECTOR, "#calendar [aria-pressed='true']")
            self.assertEqual(chosen.get_attribute("data-mark"), "perfect")
            self.assertTrue(chosen.get_attribute("aria-label").endswith(
                tr(self.driver, "PastDaysTexts", "perfecta")))
            self.click("#pastDays [value='play']")
            wait_for(self.driver, "return document.getElementById('line').textContent === arguments[0]",
                     play(self.driver, None, [["startPastDay", *day]])["line"])

            # Today's game won here extends the desktop's streak; exported, the desktop reads every
            # win once, whatever was imported again.
            self.click("[data-command='daily']")
            today = play(self.driver, None, [["readRecords", stored[0]], ["startDaily"]])
            commands = [["readRecords", stored[0]], ["startDaily"]] + [["press", c] for c in today["route"]]
            won = play(self.driver, None, commands)
            for cell in today["route"]:
                self.cells()[cell].click()
            self.assert_win(today["state"]["game"]["code"], won)
            self.assertIn(tr(self.driver, "GameTexts", "Racha: %n días", 2), won["winLines"])
            self.click("#win [value='ok']")
            self.click("[data-command='records']")
            self.driver.find_element(By.ID, "importFile").send_keys(str(path))
            wait_for(self.driver, "return !document.getElementById('importResult').hidden")
            path.unlink()
            self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                        {"behavior": "allow", "downloadPath": folder})
            self.click("#exportRecords")
            # Chromium may hold the name with an empty file while the download is under way.
            WebDriverWait(self.driver, 10).until(
                lambda _: path.exists() and path.stat().st_size > 0
                and not any(pathlib.Path(folder).glob("*.crdownload")))
            exported = json.loads(desktop("read", text=path.read_text(encoding="utf-8")))
        game = won["last"]["won"]
        self.assertEqual(exported["won"], {**written["won"], game["code"]: game["presses"] - game["fewest"]})
        for board, counts in exported["boards"].items():
            self.assertEqual(counts[1], sum(code.startswith(board + "-") for code in exported["won"]))
        self.assertEqual(exported["streak"], [2, 2])

    def test_a_browser_that_keeps_nothing_is_told_and_play_goes_on(self):
        refusals = ["Object.defineProperty(window, 'localStorage', {get() {"
                    " throw new DOMException('no', 'SecurityError'); }});",
                    "Storage.prototype.setItem = () => {"
                    " throw new DOMException('full', 'QuotaExceededError'); };"]
        code = "5x5-3-31"
        self.open_afresh()
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        path = pathlib.Path(folder.name, "records.json")
        path.write_text(records_file()("write", text="start 6x6-2-500\nwin 6x6-2-500 1"),
                        encoding="utf-8")
        for refusal in refusals:
            added = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": refusal})
            try:
                open_page(self.driver, f"{self.address}#{code}")
                self.cells()[12].click()
                self.assertEqual(self.line(), play(self.driver, code, [["press", 12]])["line"])
                self.assertEqual(self.js("return document.getElementById('storageLine').hidden"), False)
                # The start counts for the visit, as the records show it, and so do records
                # imported then, whatever is played after.
                self.click("[data-command='records']")
                self.assertTrue(self.js("return document.querySelector('[data-board=\"5x5-3\"]') !== null"))
                self.driver.find_element(By.ID, "importFile").send_keys(str(path))
                wait_for(self.driver, "return !document.getElementById('importResult').hidden")
                self.click("#records [value='close']")
                self.click("[data-command='newGame']")
                self.answer("goOn")
                self.click("[data-command='records']")
                self.assertTrue(self.js("return document.querySelector('[data-board=\"6x6-2\"]') !== null"))
                self.click("#records [value='close']")
            finally:
                self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", added)


class Phone(Page):
    """A phone's screen, 360 x 640 CSS pixels, played by touch; in English."""
    language, width, height = "en", 360, 640

    def test_phone_sized_screen_by_touch_and_a_large_window(self):
        code = "9x9-4-99"
        with served(sys.argv[1]) as address:
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                        {"enabled": True, "maxTouchPoints": 1})
            open_page(self.driver, f"{address}#{code}")
            self.assertEqual(self.js("return document.documentElement.lang"), "en")
            self.assertTrue(self.cells()[80].get_attribute("aria-label").startswith("Cell 81,"))
            self.assert_fits(360)
            # A tap on a cell presses it.
            cell = 40
            x, y = self.js("const r = arguments[0].getBoundingClientRect();"
                           "return [r.x + r.width / 2, r.y + r.height / 2]", self.cells()[cell])
            for kind, points in [("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])]:
                self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                            {"type": kind, "touchPoints": points})
            wait_for(self.driver, "return document.getElementById('line').textContent.length > 0 &&"
                     " document.querySelector('[data-command=undo]').disabled === false")
            self.assert_board_shows(play(self.driver, code, [["press", cell]]))

            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 1920, "height": 1080, "deviceScaleFactor": 1, "mobile": False})
            open_page(self.driver, f"{address}#{code}")
            self.assert_fits(1920)

    def assert_fits(self, width):
        """No horizontal scroll; every control and cell inside the width."""
        self.assertLessEqual(self.js("return document.documentElement.scrollWidth"), width)
        rights = self.js("return [...document.querySelectorAll('button, select, input, a, .cell')]"
                         ".filter((e) => e.offsetParent).map((e) => e.getBoundingClientRect().right)")
        self.assertLessEqual(max(rights), width)
        side = self.js("return document.getElementById('board').getBoundingClientRect().width")
        self.assertGreater(side, 0.8 * min(width, 640) if width < 640 else 300)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
