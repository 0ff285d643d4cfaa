#!/usr/bin/env python3
"""Writes face_metrics.js into the web build: for each face of the page's style sheet, the numbers
its own tables give for the line (hhea ascender and descender, units per em), by family name. The
page's text takes its ascent and line height from these, as the desktop's text drawing does, and
not from each browser's rounding of them.
    face_metrics.py OUT STYLE_SHEET
"""
import json
import re
import sys
from pathlib import Path

from fontTools.ttLib import TTFont


def main(out, style_sheet):
    faces = {}
    for rule in re.findall(r"@font-face\s*{([^}]*)}", Path(style_sheet).read_text(encoding="utf-8")):
        family = re.search(r"font-family:\s*([^;]+);", rule).group(1).strip().strip("\"'")
        source = re.search(r"url\(([^)]+)\)", rule).group(1).strip("\"'")
        face = TTFont(Path(out) / source)
        faces[family] = {"ascender": face["hhea"].ascent, "descender": face["hhea"].descent,
                         "unitsPerEm": face["head"].unitsPerEm}
    (Path(out) / "face_metrics.js").write_text(
        "// The faces' own line numbers, written by the build from their tables.\n"
        f"const MetriaFaceMetrics = {json.dumps(faces, sort_keys=True)};\n", encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
