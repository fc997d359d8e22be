#!/usr/bin/env python3
"""Checks hadtool's English translation file.

Usage: hadtool_translation.py LUPDATE FILE.ts [LUPDATE OPTIONS AND FOLDERS...]

lupdate reads the sources into a copy of FILE.ts: a text the file lacks then
shows as unfinished, one the sources no longer have as vanished. Every text
must have a finished translation that keeps the source's placeholders (%1,
%2, ...) and its final line break.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def placeholders(text):
    return sorted(set(re.findall(r"%\d", text)))


def faults(root):
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            text = translation.text or ""
            if kind in ("vanished", "obsolete"):
                yield f"{name}: no longer in the sources: {source!r}"
            elif kind == "unfinished" or not text.strip():
                yield f"{name}: not translated: {source!r}"
            elif placeholders(source) != placeholders(text):
                yield f"{name}: other placeholders in the translation of {source!r}: {text!r}"
            elif source.endswith("\n") != text.endswith("\n"):
                yield f"{name}: the translation of {source!r} ends its line otherwise: {text!r}"


def main():
    lupdate, ts, *sources = sys.argv[1:]
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, os.path.basename(ts))
        shutil.copyfile(ts, copy)
        subprocess.run([lupdate, *sources, "-ts", copy], check=True, stdout=subprocess.DEVNULL)
        found = list(faults(ET.parse(copy).getroot()))
    for fault in found:
        print(fault)
    if found:
        print(f"{len(found)} text(s) of {ts} to mend; the target hadtool_translation_update adds new ones")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
