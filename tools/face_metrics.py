#!/usr/bin/env python3
"""Writes face_metrics.js into the web build: for each face of the page's style sheet, by family
name, the numbers its own tables give for the line (hhea ascender and descender, units per em) and
the advance of each character it holds (the most common one as a default, the others by
character). The page lays its text out with these, as the desktop's text drawing does, and not
with each browser's rounding of them.
    face_metrics.py OUT STYLE_SHEET
"""
import json
import re
import sys
from collections import Counter
from pathlib import Path

from fontTools.ttLib import TTFont


def main(out, style_sheet):
    faces = {}
    for rule in re.findall(r"@font-face\s*{([^}]*)}", Path(style_sheet).read_text(encoding="utf-8")):
        family = re.search(r"font-family:\s*([^;]+);", rule).group(1).strip().strip("\"'")
        source = re.search(r"url\(([^)]+)\)", rule).group(1).strip("\"'")
        face = TTFont(Path(out) / source)
        advances = {chr(code): face["hmtx"][glyph][0] for code, glyph in face.getBestCmap().items()}
        common = Counter(advances.values()).most_common(1)[0][0]
        faces[family] = {"ascender": face["hhea"].ascent, "descender": face["hhea"].descent,
                         "unitsPerEm": face["head"].unitsPerEm, "defaultAdvance": common,
                         "advances": {c: a for c, a in sorted(advances.items()) if a != common}}
    (Path(out) / "face_metrics.js").write_text(
        "// The faces' own line numbers and advances, written by the build from their tables.\n"
        f"const MetriaFaceMetrics = {json.dumps(faces, ensure_ascii=False, separators=(',', ':'))};\n", encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
