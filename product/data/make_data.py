#!/usr/bin/env python3
"""Writes the product's data files listed in product/manifest.txt into OUT_DIR.

Every file comes from its size and seed by a fixed generator: the same bytes on every build.
Usage: make_data.py OUT_DIR
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.dirname(HERE))

import documents  # noqa: E402
import fixed_texts  # noqa: E402
import manifest  # noqa: E402
import outlines  # noqa: E402
import preview  # noqa: E402
import tables  # noqa: E402

FAMILIES = {"ROMAN": "Glyphwork Roman", "ITALIC": "Glyphwork Italic", "SCRIPT": "Glyphwork Script",
            "SYMBOL": "Glyphwork Symbol", "USER": "User Library"}

MAKERS = {
    "help": lambda item: documents.help_file(item.size, item.seed),
    "changes": lambda item: documents.changes(item.size, item.seed),
    "readme": lambda item: fixed_texts.crlf(fixed_texts.README),
    "license": lambda item: fixed_texts.crlf(fixed_texts.LICENSE),
    "settings": lambda item: fixed_texts.crlf(fixed_texts.SETTINGS),
    "outlines": lambda item: outlines.make(item.size, item.seed, FAMILIES[item.name.split(".")[0]]),
    "styles": lambda item: tables.styles(item.size, item.seed),
    "kerning": lambda item: tables.kerning(item.size, item.seed),
    "charmap": lambda item: tables.charmap(item.size, item.seed),
    "preview": lambda item: preview.make(item.size, item.seed),
}


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for item in manifest.read():
        if not item.generated:
            continue
        if item.kind not in MAKERS:
            print(f"make_data.py: {item.name}: no generator for kind {item.kind!r}", file=sys.stderr)
            return 1
        data = MAKERS[item.kind](item)
        with open(os.path.join(out_dir, item.name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
