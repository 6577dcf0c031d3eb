"""Outline glyph files (".GLF" fonts and the ".LIB" user library).

Layout, all integers little-endian:
  header   "GLYPHWORK OUTLINES\\x1a", uint16 version (1), uint16 units per em (1000),
           char[32] family name (zero-padded), uint16 glyph count
  glyphs   one record per glyph, in code order:
           uint16 code, int16 advance, int16 x-min, y-min, x-max, y-max,
           uint8 contour count, then per contour: uint16 point count and per point
           uint8 flags (bit 0: on the curve) and int32 x, y in font units as 16.16 fixed point
           (the editor keeps sub-unit positions while a glyph is reshaped)
  padding  zero bytes up to the file's size
"""
import struct

from prng import Prng

MAGIC = b"GLYPHWORK OUTLINES\x1a"
UNITS_PER_EM = 1000


def _contour(rng: Prng, cx: int, cy: int, radius: int) -> list:
    """A closed wobbly loop around (cx, cy): the points a real outline walks through."""
    count = rng.between(8, 40)
    points = []
    for i in range(count):
        # A walk round a circle, pushed in and out: neighbouring points stay close.
        angle_step = i * 3600 // count
        r = radius + rng.between(-radius // 4, radius // 4)
        x = cx + r * _cos(angle_step) // 1000 + rng.between(-6, 6)
        y = cy + r * _sin(angle_step) // 1000 + rng.between(-6, 6)
        on_curve = 1 if (i % 3 == 0 or rng.chance(40)) else 0
        # Sub-unit fraction of each coordinate: what is left of earlier reshaping.
        points.append((on_curve, (x << 16) | (rng.next32() & 0xFFFF), (y << 16) | (rng.next32() & 0xFFFF)))
    return points


def _cos(tenths: int) -> int:
    return _COS[tenths % 3600]


def _sin(tenths: int) -> int:
    return _COS[(tenths + 2700) % 3600]


def _cos_table() -> list:
    import math
    return [round(1000 * math.cos(math.radians(t / 10))) for t in range(3600)]


_COS = _cos_table()


def _glyph(rng: Prng, code: int) -> bytes:
    advance = rng.between(220, 900)
    contours = [_contour(rng, advance // 2 + rng.between(-40, 40), rng.between(200, 450),
                         rng.between(80, 300)) for _ in range(rng.between(1, 4))]
    xs = [p[1] >> 16 for c in contours for p in c]
    ys = [p[2] >> 16 for c in contours for p in c]
    out = bytearray(struct.pack("<Hhhhhh", code, advance, min(xs), min(ys), max(xs), max(ys)))
    out.append(len(contours))
    for contour in contours:
        out += struct.pack("<H", len(contour))
        for flags, x, y in contour:
            out += struct.pack("<Bii", flags, x, y)
    return bytes(out)


def make(size: int, seed: int, family: str) -> bytes:
    rng = Prng(seed)
    head = MAGIC + struct.pack("<HH32s", 1, UNITS_PER_EM, family.encode("ascii"))
    glyphs = bytearray()
    code, count = 0x20, 0
    room = size - len(head) - 2
    while True:
        record = _glyph(rng, code)
        if len(glyphs) + len(record) > room:
            break
        glyphs += record
        code, count = code + 1, count + 1
    data = head + struct.pack("<H", count) + glyphs
    return data + bytes(size - len(data))
