#!/usr/bin/env python3
"""Checks the translation files against the sources they translate. lupdate runs over
the sources into a copy of each file: a copy that differs means a text of the program
changed and the files were not brought up to date. Then every message must be
finished (lrelease counts none unfinished) and keep its source's placeholders and
access-key marks.

    check_translations.py LUPDATE LRELEASE SOURCES_LIST ROOT 'OPTIONS' FILE.ts...
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, lrelease, sources_list, root, options, *ts_files = sys.argv[1:]
sources = pathlib.Path(sources_list).read_text().split()
failures = []
with tempfile.TemporaryDirectory() as work:
    for ts in map(pathlib.Path, ts_files):
        copy = pathlib.Path(work, ts.name)
        shutil.copy(ts, copy)
        subprocess.run([lupdate, *options.split(), "-I", root, *sources, "-ts", str(copy)],
                       check=True, capture_output=True)
        if copy.read_bytes() != ts.read_bytes():
            failures.append(f"{ts.name}: the program's texts changed; build the target "
                            "update_translations and translate what it marks unfinished")
        report = subprocess.run([lrelease, str(ts), "-qm", str(copy.with_suffix(".qm"))],
                                check=True, capture_output=True, text=True).stdout
        if not re.search(r"\b0 unfinished\b", report):
            failures.append(f"{ts.name}: {report.strip()}")
        for message in ET.parse(ts).iter("message"):
            source = message.findtext("source")
            translation = message.findtext("translation") or ""
            for mark in (r"%\d", "&"):
                if sorted(re.findall(mark, source)) != sorted(re.findall(mark, translation)):
                    failures.append(f"{ts.name}: {translation!r} does not keep the "
                                    f"{mark!r} marks of {source!r}")
print("\n".join(failures) or f"{len(ts_files)} translation files are complete and up to date")
sys.exit(1 if failures else 0)
