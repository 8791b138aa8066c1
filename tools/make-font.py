#!/usr/bin/python3
"""Copy a TrueType font under the family name the setup screens ask for.

Usage: make-font.py INPUT.ttf OUTPUT.ttf

The screens select their heading font by the family "Helvetica Black_r";
we ship a free black-weight face renamed to that family, as a plain Regular
style so Windows' style linking never synthesises bold or italic from it.
"""
import sys

from fontTools.ttLib import TTFont

FAMILY = "Helvetica Black_r"
STYLE = "Regular"
POSTSCRIPT = "HelveticaBlack_r"

# Windows Unicode BMP, US English: written even if the input lacks it.
WINDOWS_ENGLISH = (3, 1, 0x409)
# Typographic / WWS names that would otherwise keep the old family alive.
DROPPED_IDS = (18, 21, 22)


def new_names(version):
    return {
        1: FAMILY,
        2: STYLE,
        3: f"{version};{POSTSCRIPT}",
        4: FAMILY,
        6: POSTSCRIPT,
        16: FAMILY,
        17: STYLE,
    }


def font_version(font):
    return f"{font['head'].fontRevision:.3f}"


def rename(font):
    table = font["name"]
    names = new_names(font_version(font))
    slots = {(r.platformID, r.platEncID, r.langID) for r in table.names}
    slots.add(WINDOWS_ENGLISH)
    table.names = [r for r in table.names
                   if r.nameID not in names and r.nameID not in DROPPED_IDS]
    for platform, encoding, language in sorted(slots):
        for name_id, text in names.items():
            table.setName(text, name_id, platform, encoding, language)


def make_regular(font):
    os2 = font["OS/2"]
    os2.fsSelection = (os2.fsSelection & ~0b100001) | 0b1000000  # no italic/bold, regular
    font["head"].macStyle &= ~0b11


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: make-font.py INPUT.ttf OUTPUT.ttf")
    source, target = argv[1], argv[2]
    # Keep the input's timestamp so the build output is reproducible.
    font = TTFont(source, recalcTimestamp=False)
    rename(font)
    make_regular(font)
    font.save(target)

    check = TTFont(target)
    family = check["name"].getName(1, *WINDOWS_ENGLISH).toUnicode()
    if family != FAMILY:
        sys.exit(f"make-font.py: {target} has family {family!r}, not {FAMILY!r}")
    print(f"{target}: family {family!r}")


if __name__ == "__main__":
    main(sys.argv)
