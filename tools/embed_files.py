#!/usr/bin/env python3
"""Writes a script that holds the page's font and WebAssembly as base64, for
a page opened from a file:// address, where the browser fetches neither.
Usage: embed_files.py <font.woff2> <module.wasm> <out.js>"""
import base64
import sys

font, wasm, out = sys.argv[1:4]
with open(font, "rb") as f:
    font_data = base64.b64encode(f.read()).decode("ascii")
with open(wasm, "rb") as f:
    wasm_data = base64.b64encode(f.read()).decode("ascii")
with open(out, "w", encoding="ascii") as f:
    f.write("// The font and the calculator for a page opened from a file (generated).\n")
    f.write(f'self.WidmarkFiles = {{font: "{font_data}", wasm: "{wasm_data}"}};\n')
