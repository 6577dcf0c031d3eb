#!/usr/bin/env python3
"""Draws the product's icons (32 x 32, 32-bit colour with an AND mask), the same bytes on
every build.

  make_icon.py glyphwork OUT.ico   a page with a large "A" and a small "g": the viewer
  make_icon.py uninstal OUT.ico    the same page with a red cross: the uninstaller
"""
import struct
import sys

SIZE = 32
CLEAR = None
PAPER, EDGE, INK, ACCENT, CROSS = (250, 250, 240), (90, 90, 110), (20, 20, 60), (200, 120, 0), (210, 30, 30)

# Pixel shapes of the two letters, one character per pixel.
BIG_A = [
    "....XXXX....", "...XXXXXX...", "...XX..XX...", "..XX....XX..", "..XX....XX..",
    ".XX......XX.", ".XXXXXXXXXX.", ".XXXXXXXXXX.", "XX........XX", "XX........XX",
    "XX........XX", "XX........XX",
]
SMALL_G = [".XXXX", "X...X", "X...X", ".XXXX", "....X", "XXXX."]


def draw(kind):
    px = [[CLEAR] * SIZE for _ in range(SIZE)]
    # A page with its top right corner folded down.
    for y in range(2, 30):
        for x in range(5, 27):
            fold = x - 20 > y - 2
            if fold:
                continue
            edge = x in (5, 26) or y in (2, 29) or x - 20 == y - 2
            px[y][x] = EDGE if edge else PAPER
    for y, row in enumerate(BIG_A):
        for x, c in enumerate(row):
            if c == "X":
                px[y + 7][x + 8] = INK
    for y, row in enumerate(SMALL_G):
        for x, c in enumerate(row):
            if c == "X":
                px[y + 20][x + 20] = ACCENT
    if kind == "uninstal":
        for i in range(12):
            for d in (0, 1):
                px[18 + i][17 + i + d] = CROSS
                px[29 - i][17 + i + d] = CROSS
    return px


def ico(px):
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bitmaps run bottom-up
        bits = 0
        for x in range(SIZE):
            c = px[y][x]
            xor += bytes((0, 0, 0, 0)) if c is None else bytes((c[2], c[1], c[0], 255))
            bits = (bits << 1) | (1 if c is None else 0)
        mask += struct.pack(">I", bits)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    head = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return head + entry + image


def main(argv):
    if len(argv) != 3 or argv[1] not in ("glyphwork", "uninstal"):
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[2], "wb") as f:
        f.write(ico(draw(argv[1])))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
