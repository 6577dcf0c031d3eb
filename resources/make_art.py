#!/usr/bin/env python3
"""Draws the setup program's logo (204 x 66, 16 colours) and its icon (32 x 32, 16 colours).

The pictures are drawn from the rules below, so every build produces the same bytes.
Usage: make_art.py LOGO.bmp ICON.ico
"""
import struct
import sys

# The 16 colours of the standard VGA palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, TEAL, SILVER, GREY, YELLOW, BLUE, WHITE = 0, 4, 6, 7, 8, 11, 12, 15

# A 5 x 7 pixel font for the letters the pictures use.
FONT = {
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "a": ["00000", "00000", "01110", "00001", "01111", "10001", "01111"],
    "g": ["00000", "01111", "10001", "10001", "01111", "00001", "01110"],
}


class Canvas:
    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.pixels[y][x] = colour

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0 + 1, colour)
        self.rect(x0, y1 - 1, x1, y1, colour)
        self.rect(x0, y0, x0 + 1, y1, colour)
        self.rect(x1 - 1, y0, x1, y1, colour)

    def text(self, x, y, word, colour, scale, shadow=None):
        for i, letter in enumerate(word):
            rows = FONT[letter]
            left = x + i * 6 * scale
            for row, bits in enumerate(rows):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        px, py = left + col * scale, y + row * scale
                        if shadow is not None:
                            self.rect(px + 1, py + 1, px + scale + 1, py + scale + 1, shadow)
                        self.rect(px, py, px + scale, py + scale, colour)

    def rows_4bpp(self):
        """Bottom-up rows, two pixels a byte, each row padded to 4 bytes."""
        stride = (self.width * 4 + 31) // 32 * 4
        out = bytearray()
        for y in reversed(range(self.height)):
            row = bytearray(stride)
            for x, colour in enumerate(self.pixels[y]):
                row[x // 2] |= colour << (4 if x % 2 == 0 else 0)
            out += row
        return bytes(out)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 2835, 2835, 16, 16)


def draw_logo():
    c = Canvas(204, 66, NAVY)
    c.frame(0, 0, 204, 66, SILVER)
    c.frame(2, 2, 202, 64, TEAL)
    # Glyph tiles on the left: the letters a, A, g in frames, like a type specimen.
    for i, letter in enumerate("aAg"):
        x = 8 + i * 20
        c.rect(x, 10, x + 17, 30, WHITE)
        c.frame(x, 10, x + 17, 30, GREY)
        c.text(x + 4, 13, letter, BLACK, 2 if letter != "A" else 2)
    c.rect(8, 36, 65, 38, TEAL)
    c.rect(8, 42, 50, 44, TEAL)
    c.rect(8, 48, 58, 50, TEAL)
    c.rect(8, 54, 40, 56, TEAL)
    # The product's name, large, with a shadow.
    c.text(72, 14, "GLYPH", YELLOW, 3, shadow=BLACK)
    c.text(72, 40, "WORK", WHITE, 3, shadow=BLACK)
    c.rect(150, 42, 196, 44, YELLOW)
    c.rect(150, 48, 186, 50, BLUE)
    c.rect(150, 54, 176, 56, YELLOW)
    return c


def write_logo(path):
    c = draw_logo()
    pixels = c.rows_4bpp()
    header = info_header(c.width, c.height, len(pixels))
    offset = 14 + len(header) + 64
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset))
        f.write(header + palette_bytes() + pixels)


def draw_icon():
    c = Canvas(32, 32, NAVY)
    c.frame(0, 0, 32, 32, SILVER)
    c.text(4, 3, "G", YELLOW, 4, shadow=BLACK)
    c.rect(3, 28, 29, 30, TEAL)
    return c


def write_icon(path):
    c = draw_icon()
    pixels = c.rows_4bpp()
    mask = bytes(4 * 32)  # every pixel opaque
    header = info_header(32, 64, len(pixels) + len(mask))  # height counts colour and mask
    image = header + palette_bytes() + pixels + mask
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1))
        f.write(struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16))
        f.write(image)


if __name__ == "__main__":
    write_logo(sys.argv[1])
    write_icon(sys.argv[2])
