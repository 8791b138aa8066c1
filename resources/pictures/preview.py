#!/usr/bin/python3
"""Contact sheet of the generated pictures, for checking them by eye.

Usage: preview.py [NAME...] [-o OUT.png]   (default /tmp/pictures-preview.png)

Reads pictures.rc, shows each picture magnified on a grey background with its
transparent parts (top-left colour, or alpha for PNG) letting the grey through.
"""
import re
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

HERE = Path(__file__).resolve().parent
BACKGROUND = (128, 128, 128)
SHEET_WIDTH = 1500
GAP = 14
LABEL = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 12)


def pictures(wanted):
    for line in (HERE / "pictures.rc").read_text().splitlines():
        name, file = re.match(r'(\S+) PICTURE "(.+)"', line).groups()
        if not wanted or name in wanted:
            yield name, HERE / file


def on_grey(path):
    img = Image.open(path)
    if img.mode == "RGBA":
        shown = Image.new("RGBA", img.size, BACKGROUND)
        return Image.alpha_composite(shown, img).convert("RGB")
    img = img.convert("RGB")
    key = img.getpixel((0, 0))
    shown = Image.new("RGB", img.size)
    pixels, out = img.load(), shown.load()
    for y in range(img.height):
        for x in range(img.width):
            out[x, y] = BACKGROUND if pixels[x, y] == key else pixels[x, y]
    return shown


def magnified(img):
    side = max(img.size)
    scale = 3 if side <= 120 else 2 if side <= 240 else 1
    return img.resize((img.width * scale, img.height * scale), Image.NEAREST), scale


def layout(tiles):
    """Places tiles left to right in rows; returns positions and sheet height."""
    x = y = row_height = 0
    places = []
    for img, label in tiles:
        w, h = img.width, img.height + 16
        if x and x + w > SHEET_WIDTH:
            x, y, row_height = 0, y + row_height + GAP, 0
        places.append((x + GAP, y + GAP))
        x += max(w, LABEL.getlength(label)) + GAP
        row_height = max(row_height, h)
    return places, y + row_height + 2 * GAP


def main(argv):
    out = Path("/tmp/pictures-preview.png")
    if "-o" in argv:
        out = Path(argv[argv.index("-o") + 1])
        del argv[argv.index("-o"):argv.index("-o") + 2]
    tiles = []
    for name, path in pictures(set(argv[1:])):
        img, scale = magnified(on_grey(path))
        tiles.append((img, f"{name} x{scale}"))
    places, height = layout(tiles)
    sheet = Image.new("RGB", (SHEET_WIDTH + 2 * GAP, height), (96, 96, 96))
    draw = ImageDraw.Draw(sheet)
    for (img, label), (x, y) in zip(tiles, places):
        sheet.paste(img, (int(x), y))
        draw.text((x, y + img.height + 2), label, fill=(235, 235, 235), font=LABEL)
    sheet.save(out)
    print(f"{out}: {len(tiles)} pictures")


if __name__ == "__main__":
    main(sys.argv)
