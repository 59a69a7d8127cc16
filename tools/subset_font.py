#!/usr/bin/python3
"""Builds the page's two faces, WOFF2 subsets of IPAPGothic. The window
face holds the characters of a fixed list: the window is drawn with it, and
any other subset moves some of its pixels. The panel face holds every other
character the given source files use, so that words added outside the
window never touch the window's face; pages name it second, after the
window face. The IPA Font License wants a derived font to carry a name of
its own, so each subset is renamed. Beside them, font.css declares both
faces with the vertical metrics the desktop lays lines out by (the OS/2
Windows ascent and descent), so that lines stand one font height apart.

Usage: subset_font.py <ipagp.ttf> <window-face.txt> <out folder> <source files...>
Writes widmark-gothic.woff2, widmark-panel-gothic.woff2 and font.css.
"""
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FACES = [("Widmark Page Gothic", "WidmarkPageGothic", "widmark-gothic.woff2"),
         ("Widmark Panel Gothic", "WidmarkPanelGothic", "widmark-panel-gothic.woff2")]


def listed(path):
    with open(path, encoding="utf-8") as f:
        return {c for line in f.read().split("\n") if not line.startswith("#") for c in line}


def characters(paths):
    chars = {chr(c) for c in range(0x20, 0x7F)}  # printable ASCII
    chars |= {chr(c) for c in range(0xFF01, 0xFF5F)}  # full-width ASCII forms
    chars |= {"\u3000"}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        chars |= {c for c in text if ord(c) >= 0x80}
        chars |= {chr(int(h, 16)) for h in re.findall(r"\\u([0-9A-Fa-f]{4})", text)}
    return chars


def subset_face(source, text, family, postscript, target):
    options = subset.Options()
    options.flavor = "woff2"
    options.hinting = False  # outlines as designed, as the desktop draws them
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(sorted(text)))
    subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = family
        elif record.nameID in (3, 6):
            record.string = postscript
    subset.save_font(font, target, options)
    return font


def main():
    source, window_list, folder, *paths = sys.argv[1:]
    window = listed(window_list)
    css = ""
    for (family, postscript, name), text in zip(FACES, [window, characters(paths) - window]):
        font = subset_face(source, text or {" "}, family, postscript, f"{folder}/{name}")
        em = font["head"].unitsPerEm
        os2 = font["OS/2"]
        css += ("@font-face {\n"
                f'  font-family: "{family}";\n'
                f'  src: url("{name}") format("woff2");\n'
                f"  ascent-override: {100 * os2.usWinAscent / em:.6f}%;\n"
                f"  descent-override: {100 * os2.usWinDescent / em:.6f}%;\n"
                "  line-gap-override: 0%;\n"
                "  font-display: block;\n"
                "}\n")
    with open(f"{folder}/font.css", "w", encoding="utf-8") as f:
        f.write(css)


if __name__ == "__main__":
    main()
