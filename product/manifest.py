#!/usr/bin/env python3
"""Reads product/manifest.txt, the one list of the product's files.

Usage:
  manifest.py names             every file name, in catalogue order (main executable first)
  manifest.py data              the names of the files make_data.py writes
  manifest.py header OUT.h      the uninstaller's file list as a C++ header
"""
import os
import sys
from dataclasses import dataclass
from typing import List, Optional

MANIFEST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "manifest.txt")
MAX_NAME = 19      # the catalogue record holds at most 19 name characters
MAX_ENTRIES = 255  # and an 8-bit count


@dataclass
class Item:
    name: str
    kind: str
    size: Optional[int]  # None for files whose size is their own (programs, fixed texts)
    seed: Optional[int]
    note: str

    @property
    def generated(self) -> bool:
        return self.kind != "program"


def _number(text: str) -> Optional[int]:
    return None if text == "-" else int(text)


def read(path: str = MANIFEST) -> List[Item]:
    items: List[Item] = []
    with open(path, encoding="ascii") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            fields = line.split(None, 4)
            if len(fields) < 4:
                raise ValueError(f"{path}:{number}: expected name, kind, bytes and seed")
            name, kind, size, seed = fields[:4]
            if len(name) > MAX_NAME or "\\" in name or "/" in name:
                raise ValueError(f"{path}:{number}: {name!r} is not a bare name of at most {MAX_NAME} characters")
            items.append(Item(name, kind, _number(size), _number(seed), fields[4] if len(fields) > 4 else ""))
    names = [i.name.upper() for i in items]
    if len(set(names)) != len(names):
        raise ValueError(f"{path}: a name appears twice (names are compared without regard to case)")
    if not items or items[0].kind != "program":
        raise ValueError(f"{path}: the first file must be the main executable")
    if len(items) - 1 > MAX_ENTRIES:
        raise ValueError(f"{path}: more than {MAX_ENTRIES} catalogue entries")
    return items


def header(items: List[Item]) -> str:
    lines = [
        "// Generated from product/manifest.txt by product/manifest.py; edit the manifest instead.",
        "#pragma once",
        "",
        "// The main executable: the shortcut's target.",
        f'constexpr const char* ProductMainExe = "{items[0].name}";',
        "",
        "// Every file the setup program writes for the product, main executable first.",
        "constexpr const char* ProductFiles[] = {",
    ]
    lines += [f'    "{i.name}",' for i in items]
    lines += ["};", ""]
    return "\n".join(lines)


def main(argv: List[str]) -> int:
    if len(argv) < 2 or argv[1] not in ("names", "data", "header"):
        print(__doc__, file=sys.stderr)
        return 2
    items = read()
    if argv[1] == "names":
        print("\n".join(i.name for i in items))
    elif argv[1] == "data":
        print("\n".join(i.name for i in items if i.generated))
    else:
        if len(argv) != 3:
            print(__doc__, file=sys.stderr)
            return 2
        text = header(items)
        # Leave an unchanged header alone so the uninstaller is not rebuilt for nothing.
        if not os.path.exists(argv[2]) or open(argv[2]).read() != text:
            with open(argv[2], "w", newline="\n") as f:
                f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
