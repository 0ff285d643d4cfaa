#!/usr/bin/env python3
"""Whether a window's icon (_NET_WM_ICON, read with xprop) shows the picture of an icon file.

Usage: same_icon.py WINDOW_ID ICON_FILE        exit 0 when one of the window's icons matches the file

Compares pixel by pixel with the file as ImageMagick's convert decodes it: the same transparency, and colours
within 2 per channel where a pixel is not transparent.
"""
import subprocess
import sys


def window_icons(window: str):
    text = subprocess.run(["xprop", "-id", window, "-notype", "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON"],
                          capture_output=True, text=True, check=True).stdout
    if "=" not in text:
        return
    values = [int(v) for v in text.split("=", 1)[1].replace(",", " ").split()]
    while len(values) >= 2:
        width, height = values[0], values[1]
        pixels = values[2:2 + width * height]
        yield width, height, [((p >> 16) & 255, (p >> 8) & 255, p & 255, (p >> 24) & 255) for p in pixels]
        values = values[2 + width * height:]


def file_icon(path: str, width: int, height: int):
    data = subprocess.run(["convert", f"{path}[0]", "-resize", f"{width}x{height}!", "-depth", "8", "rgba:-"],
                          capture_output=True, check=True).stdout
    return [tuple(data[i:i + 4]) for i in range(0, len(data), 4)]


def same(shown, expected) -> bool:
    if len(shown) != len(expected):
        return False
    for a, b in zip(shown, expected):
        if (a[3] == 0) != (b[3] == 0):
            return False
        if a[3] and any(abs(x - y) > 2 for x, y in zip(a[:3], b[:3])):
            return False
    return True


def main() -> int:
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    for width, height, pixels in window_icons(sys.argv[1]):
        if same(pixels, file_icon(sys.argv[2], width, height)):
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
