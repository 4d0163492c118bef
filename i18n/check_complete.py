#!/usr/bin/env python3
"""Checks that every translation is complete and usable:
every text of the code (as lupdate finds it in ui/) is in each .ts file, each
is translated (every plural form of its language too) and marked finished,
each translation keeps the placeholders of its source (%1, %2, ..., %n), and
the direction entry says LTR or RTL (RTL for Arabic). A plural form may leave
out the number (%n) itself.

  check_complete.py LUPDATE SOURCE_DIR TS_FILE...
Prints what is missing per file and exits 1 if anything is.
"""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?(\d+|n)")
RIGHT_TO_LEFT = {"ar", "he", "fa", "ur"}


def text_of(element):
    """The text of an element, with the characters the format writes as <byte value="xd"/>."""
    if element is None:
        return None
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value", "0")
            parts.append(chr(int(value[1:], 16) if value.startswith("x") else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def messages(ts_path):
    """(context, source, disambiguation) -> message element."""
    out = {}
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            out[(name, text_of(m.find("source")), text_of(m.find("comment")) or "")] = m
    return out


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


def problems(ts_path, texts_in_code):
    found = []
    ours = messages(ts_path)
    language = ET.parse(ts_path).getroot().get("language", "")
    for key in sorted(texts_in_code - ours.keys()):
        found.append(f"not in the file (run the i18n_update target): {key[1]!r} in {key[0]}")
    for (context, source, _), m in sorted(ours.items()):
        t = m.find("translation")
        kind = t.get("type", "")
        if kind in ("vanished", "obsolete"):
            continue
        numerus = m.get("numerus") == "yes"
        forms = [text_of(f) for f in t.iter("numerusform")] if numerus else [text_of(t)]
        where = f"{source!r} in {context}"
        if kind == "unfinished" or not forms or any(not f for f in forms):
            found.append(f"unfinished: {where}")
            continue
        if source == "QT_LAYOUT_DIRECTION":
            wanted = "RTL" if language.split("_")[0] in RIGHT_TO_LEFT else "LTR"
            if forms[0] != wanted:
                found.append(f"QT_LAYOUT_DIRECTION is {forms[0]!r}, not {wanted!r}")
            continue
        for f in forms:
            # A plural form may leave the number out, as Arabic's dual does ("two minutes" in one word).
            if numerus and "n" not in placeholders(f):
                f += "%n"
            if placeholders(f) != placeholders(source):
                found.append(f"placeholders {placeholders(f)} where the source has {placeholders(source)}: {where}")
    return found


def main():
    lupdate, source_dir, ts_files = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
    with tempfile.TemporaryDirectory() as tmp:
        fresh = Path(tmp) / "quellix_xx.ts"
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-source-language", "en", str(source_dir / "ui"),
                        "-ts", str(fresh)], check=True)
        texts_in_code = set(messages(fresh).keys())
    failed = False
    for ts in ts_files:
        found = problems(ts, texts_in_code)
        name = Path(ts).name
        if found:
            failed = True
            print(f"{name}: {len(found)} problem(s)")
            for p in found[:20]:
                print(f"  {p}")
            if len(found) > 20:
                print(f"  ... and {len(found) - 20} more")
        else:
            print(f"{name}: complete")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
