#!/usr/bin/python3
"""Builds the page's font: a WOFF2 subset of IPAPGothic holding every
character the given source files use, printable ASCII and the full-width
forms a user may type. The IPA Font License wants a derived font to carry a
name of its own, so the subset is renamed. Beside it, font.css declares the
face with the vertical metrics the desktop lays lines out by (the OS/2
Windows ascent and descent), so that lines stand one font height apart.

Usage: subset_font.py <ipagp.ttf> <out.woff2> <out font.css> <source files...>
"""
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Widmark Page Gothic"
POSTSCRIPT = "WidmarkPageGothic"


def characters(paths):
    chars = {chr(c) for c in range(0x20, 0x7F)}  # printable ASCII
    chars |= {chr(c) for c in range(0xFF01, 0xFF5F)}  # full-width ASCII forms
    chars |= {"\u3000"}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        chars |= {c for c in text if ord(c) >= 0x80}
        chars |= {chr(int(h, 16)) for h in re.findall(r"\\u([0-9A-Fa-f]{4})", text)}
    return "".join(sorted(chars))


def main():
    source, target, css, *paths = sys.argv[1:]
    options = subset.Options()
    options.flavor = "woff2"
    options.hinting = False  # outlines as designed, as the desktop draws them
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters(paths))
    subsetter.subset(font)
    names = font["name"]
    for record in names.names:
        if record.nameID in (1, 4, 16):
            record.string = FAMILY
        elif record.nameID in (3, 6):
            record.string = POSTSCRIPT
    subset.save_font(font, target, options)

    em = font["head"].unitsPerEm
    os2 = font["OS/2"]
    with open(css, "w", encoding="utf-8") as f:
        f.write(
            "@font-face {\n"
            f'  font-family: "{FAMILY}";\n'
            f'  src: url("{target.rsplit("/", 1)[-1]}") format("woff2");\n'
            f"  ascent-override: {100 * os2.usWinAscent / em:.6f}%;\n"
            f"  descent-override: {100 * os2.usWinDescent / em:.6f}%;\n"
            "  line-gap-override: 0%;\n"
            "  font-display: block;\n"
            "}\n")


if __name__ == "__main__":
    main()
