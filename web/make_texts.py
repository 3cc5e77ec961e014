#!/usr/bin/env python3
"""Makes the page's text table from the desktop's translation files, so that the browser edition
speaks exactly as the desktop does and no text is copied by hand.

    make_texts.py lucen_en.ts lucen_es.ts OUTPUT.js

Spanish is the source language: a Spanish text is its source, except for the plural forms that
lucen_es.ts holds. English comes from lucen_en.ts. Only the contexts the page uses are kept. An
unfinished English text in them stops the build, rather than reaching the page in Spanish.
"""

import json
import sys
import xml.etree.ElementTree as ET

CONTEXTS = {
    "ColourNames", "GameTexts", "PastDaysTexts", "Questions", "RecordsTexts", "WebTexts",
    "lucen::CellButton", "lucen::ChooseGameDialog", "lucen::MainWindow", "lucen::WinMessage",
}


def read(path, plurals_only):
    table, unfinished = {}, []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        if name not in CONTEXTS:
            continue
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("vanished", "obsolete"):
                continue
            plural = message.get("numerus") == "yes"
            if plurals_only and not plural:
                continue
            if kind == "unfinished":
                unfinished.append(f"{path}: {name}: {source}")
                continue
            text = ([form.text or "" for form in translation.iter("numerusform")] if plural
                    else translation.text or "")
            table.setdefault(name, {})[source] = text
    return table, unfinished


def main():
    english_ts, spanish_ts, output = sys.argv[1:4]
    english, unfinished = read(english_ts, plurals_only=False)
    spanish, more = read(spanish_ts, plurals_only=True)
    if unfinished + more:
        print("unfinished translations:\n  " + "\n  ".join(unfinished + more), file=sys.stderr)
        sys.exit(1)
    with open(output, "w", encoding="utf-8") as out:
        out.write("// Made by web/make_texts.py from translations/*.ts: do not edit.\n")
        out.write("export default ")
        json.dump({"es": spanish, "en": english}, out, ensure_ascii=False, sort_keys=True,
                  separators=(",", ":"))
        out.write(";\n")


if __name__ == "__main__":
    main()
