#!/usr/bin/env python3
"""Writes FILE.gz and FILE.br beside each file of the web build that they make at least a tenth
smaller (pictures, faces and icons are compressed already), for a server to send as they are
(nginx's gzip_static and brotli_static) instead of compressing every answer again. Both are made at
their strongest setting, once, at build time; the .gz carries no time, so a build makes the same
bytes again.
    compress_web.py OUT
"""
import gzip
import sys
from pathlib import Path

import brotli

SMALLER_BY = 0.9


def main(out):
    for path in sorted(Path(out).rglob("*")):
        if not path.is_file() or path.suffix in (".gz", ".br"):
            continue
        data = path.read_bytes()
        for suffix, packed in ((".gz", gzip.compress(data, compresslevel=9, mtime=0)),
                               (".br", brotli.compress(data, quality=11))):
            if len(packed) < SMALLER_BY * len(data):
                path.with_name(path.name + suffix).write_bytes(packed)


if __name__ == "__main__":
    main(*sys.argv[1:])
