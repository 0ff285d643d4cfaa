#!/usr/bin/env python3
"""Gives each file of the web build that a browser may keep for good a name that carries its
content's hash (pictures/menu_background.gif -> pictures/menu_background.1a2b3c4d5e.gif), and
rewrites every reference to it: the page's links and scripts, the style sheet's faces, the
manifest's icons, the licence page's style sheet and mentions of the faces; a script's source map
takes its script's new name. The page fetches the program's pictures and cues by their plain names, so index.html carries the map
from plain name to the build's name (file-names). The page itself, the service worker, the manifest
and the licences keep their names: a browser asks for them again on every visit.
    name_web_files.py OUT
"""
import hashlib
import json
import re
import sys
from pathlib import Path

# Named after their content, in this order: a file is renamed after the files it refers to.
CONTENT_NAMED = ["metria.wasm", "fonts/*.woff2", "pictures/*", "wav/*", "icons/*", "*.js", "*.css"]
# The files the page fetches itself (network.js), by plain name.
FETCHED_BY_PAGE = re.compile(r"^(metria\.js|metria\.wasm|fonts/.*|pictures/.*|wav/.*|icons/.*)$")


def content_name(path):
    digest = hashlib.sha256(path.read_bytes()).hexdigest()[:10]
    return path.with_name(path.name.split(".", 1)[0] + "." + digest + "." + path.name.split(".", 1)[1])


def rewrite(path, pattern, names):
    text = path.read_text(encoding="utf-8")
    path.write_text(pattern.sub(lambda m: m.group(1) + names.get(m.group(2), m.group(2)) + m.group(3), text),
                    encoding="utf-8")


def main(out):
    out = Path(out)
    names = {}
    for pattern in CONTENT_NAMED:
        for path in sorted(out.glob(pattern)):
            if path.name == "sw.js":
                continue
            if path.name == "style.css":
                rewrite(path, re.compile(r"(url\()([^)\"']+)(\))"), names)
            named = content_name(path)
            source_map = path.with_name(path.name + ".map")
            if source_map.exists():
                source_map.rename(named.with_name(named.name + ".map"))
            path.rename(named)
            names[path.relative_to(out).as_posix()] = named.relative_to(out).as_posix()

    rewrite(out / "index.html", re.compile(r"((?:href|src)=\")([^\"]+)(\")"), names)
    rewrite(out / "licence.html", re.compile(r"((?:href|src)=\"|<code>)([^\"<]+)(\"|</code>)"), names)
    rewrite(out / "manifest.webmanifest", re.compile(r"(\"src\": \")([^\"]+)(\")"), names)
    fetched = {plain: named for plain, named in names.items() if FETCHED_BY_PAGE.match(plain)}
    page = (out / "index.html").read_text(encoding="utf-8")
    marker = '<script id="file-names" type="application/json">{}</script>'
    if marker not in page:
        sys.exit("name_web_files.py: index.html has no empty file-names script")
    page = page.replace(marker, marker.replace("{}", json.dumps(fetched, separators=(",", ":"))))
    (out / "index.html").write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
