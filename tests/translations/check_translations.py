#!/usr/bin/env python3
"""LUPDATE LRELEASE SOURCES_LIST ROOT 'OPTIONS' FILE.ts...: lupdate over the sources leaves
each file as it is, nothing is unfinished, translations keep placeholders and '&', and each
language has a help document with the English one's sections."""
import pathlib, re, shutil, subprocess, sys, tempfile, xml.etree.ElementTree as ET

lupdate, lrelease, sources_list, root, options, *ts_files = sys.argv[1:]
sources = pathlib.Path(sources_list).read_text().split()
failures = []
with tempfile.TemporaryDirectory() as work:
    for ts in map(pathlib.Path, ts_files):
        copy = pathlib.Path(work, ts.name)
        shutil.copy(ts, copy)
        subprocess.run([lupdate, *options.split(), "-I", root, *sources, "-ts", copy],
                       check=True, capture_output=True)
        if copy.read_bytes() != ts.read_bytes():
            failures.append(f"{ts.name}: the program's texts changed; build the target "
                            "update_translations and translate what it marks unfinished")
        report = subprocess.run([lrelease, ts, "-qm", copy.with_suffix(".qm")], check=True,
                                capture_output=True, text=True).stdout
        if not re.search(r"\b0 unfinished", report):
            failures.append(f"{ts.name}: {report.strip()}")
        for message in ET.parse(ts).iter("message"):
            source, translation = message.findtext("source"), message.findtext("translation")
            for mark in (r"%\d", "&"):
                if sorted(re.findall(mark, source)) != sorted(re.findall(mark, translation or "")):
                    failures.append(f"{ts.name}: {translation!r} loses {mark} of {source!r}")
# Each language's help document has the English one's sections and links, so a section
# added to the English help fails here until every language has it.
help = pathlib.Path(root, "resources/help")
places = lambda page: re.findall(r'(?:id|href)="#?([^"]+)"', page.read_text(encoding="utf-8"))
for ts in map(pathlib.Path, ts_files):
    page = help / ts.name.replace("vantrel_", "Vantrel0.").replace(".ts", ".html")
    if not page.exists() or places(page) != places(help / "Vantrel0.html"):
        failures.append(f"{page.name}: missing, or its sections differ from Vantrel0.html's")
print("\n".join(failures) or f"{len(ts_files)} translation files complete and up to date")
sys.exit(1 if failures else 0)
