#!/usr/bin/env python3
"""Writes a script that holds the page's two faces and WebAssembly as base64,
for a page opened from a file:// address, where the browser fetches neither.
Usage: embed_files.py <window.woff2> <panel.woff2> <module.wasm> <out.js>"""
import base64
import sys

font, panel, wasm, out = sys.argv[1:5]
with open(font, "rb") as f:
    font_data = base64.b64encode(f.read()).decode("ascii")
with open(panel, "rb") as f:
    panel_data = base64.b64encode(f.read()).decode("ascii")
with open(wasm, "rb") as f:
    wasm_data = base64.b64encode(f.read()).decode("ascii")
with open(out, "w", encoding="ascii") as f:
    f.write("// The faces and the calculator for a page opened from a file (generated).\n")
    f.write(f'self.WidmarkFiles = {{font: "{font_data}", panelFont: "{panel_data}", '
            f'wasm: "{wasm_data}"}};\n')
