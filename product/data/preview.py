"""The preview sheet: an 8-bit grey bitmap showing sample letters of the four fonts in cells,
on paper with a little grain, as a scanner would give it back."""
import struct

from prng import Prng

# 5 x 7 pixel shapes of the letters on the sheet.
SHAPES = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
}
WIDTH = 640
CELL = 64
SCALE = 7


def make(size: int, seed: int) -> bytes:
    rng = Prng(seed)
    height = (size - 54 - 1024) // WIDTH
    letters = "GLYPHWORKABC"
    pixels = bytearray(WIDTH * height)
    for y in range(height):
        row = y * WIDTH
        cell_y, in_y = divmod(y, CELL)
        for x in range(WIDTH):
            cell_x, in_x = divmod(x, CELL)
            ink = False
            if in_x == 0 or in_y == 0:
                ink = True  # cell grid
            else:
                letter = SHAPES[letters[(cell_x + cell_y * 3) % len(letters)]]
                # Later rows lean to the right, as the italic and script fonts do.
                sx = (in_x - 14 - (CELL - in_y) * (cell_y % 4) // 8) // SCALE
                sy = (in_y - 8) // SCALE
                ink = 0 <= sx < 5 and 0 <= sy < 7 and letter[sy][sx] == "1"
            grain = rng.next32() & 0x0F
            pixels[row + x] = (24 + grain) if ink else (255 - grain)
    palette = b"".join(struct.pack("<BBBB", g, g, g, 0) for g in range(256))
    image = 54 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", image + len(pixels), 0, 0, image)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, height, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    return header + info + palette + bytes(pixels)
