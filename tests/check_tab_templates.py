#!/usr/bin/python3
"""Checks the tab face templates pixel by pixel: backdrop, tab bodies and
lines in their key colours exactly where the tab control expects them."""
import sys
from pathlib import Path

from PIL import Image

BACKDROP, BODY, LINE = (255, 0, 0), (163, 73, 164), (255, 242, 0)


def expected(x, y, h):
    last = h - 1
    if y == last:
        if x <= 239:
            return LINE
        return BODY  # the active tab opens into the page
    if y == 1 and 244 <= x <= 355:
        return LINE
    spans = {2: ((123, 236), (243, 356)), 3: ((122, 237), (242, 357))}
    for lo, hi in spans.get(y, ((121, 238), (241, 358)) if 4 <= y <= h - 2 else ()):
        if lo <= x <= hi:
            return BODY
    return BACKDROP


def check(path, width, height):
    img = Image.open(path).convert("RGB")
    assert img.size == (width, height), (path.name, img.size)
    wrong = [(x, y, img.getpixel((x, y)), expected(x, y, height))
             for y in range(height) for x in range(width) if img.getpixel((x, y)) != expected(x, y, height)]
    for x, y, got, want in wrong[:10]:
        print(f"{path.name} ({x}, {y}): {got}, expected {want}")
    return not wrong


pictures = Path(sys.argv[1])
ok = check(pictures / "TabCtrlFace.bmp", 360, 28) & check(pictures / "MenuTabCtrlFace120.bmp", 360, 31)
sys.exit(0 if ok else 1)
