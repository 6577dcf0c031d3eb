"""The kerning table, the character map and the style sheet."""
import struct

from prng import Prng
from prose import fill_text, paragraph

FONTS = ["ROMAN", "ITALIC", "SCRIPT", "SYMBOL"]


def kerning(size: int, seed: int) -> bytes:
    """"GLYPHWORK KERNING\\x1a", uint16 pair count, then per pair uint8 font, uint16 left,
    uint16 right, int16 adjustment (font units), sorted by font, left and right; zero padding."""
    rng = Prng(seed)
    head = b"GLYPHWORK KERNING\x1a"
    pairs = bytearray()
    room = size - len(head) - 2
    count = 0
    for font in range(len(FONTS) * 64):  # the fonts come round again until the table is full
        for left in range(0x20, 0x180):
            right = 0x20
            while True:
                right += rng.between(1, 24)
                if right >= 0x180 or len(pairs) + 7 > room:
                    break
                pairs += struct.pack("<BHHh", font % len(FONTS), left, right, -5 * rng.between(0, 24) + 40)
                count += 1
            if len(pairs) + 7 > room:
                break
        if len(pairs) + 7 > room:
            break
    data = head + struct.pack("<H", count & 0xFFFF) + pairs
    return data + bytes(size - len(data))


LETTER_WORDS = ["LATIN", "GREEK", "CYRILLIC", "GLYPHWORK"]
CASES = ["CAPITAL LETTER", "SMALL LETTER", "LETTER", "ORNAMENT", "SWASH", "DINGBAT", "LIGATURE"]
MARKS = ["", " WITH ACUTE", " WITH GRAVE", " WITH DIAERESIS", " WITH CEDILLA", " WITH STROKE",
         " WITH TILDE", " WITH RING ABOVE", " WITH CARON", " WITH HOOK"]


def charmap(size: int, seed: int) -> bytes:
    """One line per character: code, name, and which of the fonts carry it."""
    rng = Prng(seed)
    head = "Glyphwork character map\r\n" + "code     name" + " " * 44 + "fonts\r\n" + "\r\n"

    def lines():
        code = 0x20
        while True:
            if 0x41 <= code <= 0x5A:
                name = f"LATIN CAPITAL LETTER {chr(code)}"
            elif 0x61 <= code <= 0x7A:
                name = f"LATIN SMALL LETTER {chr(code - 32)}"
            else:
                name = f"{rng.choice(LETTER_WORDS)} {rng.choice(CASES)} {chr(rng.between(65, 90))}{rng.choice(MARKS)}"
            fonts = " ".join(f if rng.chance(80) else "-" * len(f) for f in FONTS)
            yield f"U+{code:04X}   {name:<48} {fonts}\r\n"
            code += 1

    return fill_text(lines(), size, head)


STYLE_NAMES = ["Body", "Heading", "Caption", "Quote", "Footnote", "Title", "Subtitle", "List", "Table"]


def styles(size: int, seed: int) -> bytes:
    """Paragraph styles for page layout, one section per style."""
    rng = Prng(seed)

    def sections():
        number = 1
        while True:
            name = f"{rng.choice(STYLE_NAMES)} {number}"
            yield (
                f"[Style {name}]\r\n"
                f"Font={rng.choice(FONTS)}.GLF\r\n"
                f"Size={rng.between(6, 72)}\r\n"
                f"Leading={rng.between(100, 160)}%\r\n"
                f"Tracking={rng.between(-20, 40)}\r\n"
                f"Color={rng.between(0, 0xFFFFFF):06X}\r\n"
                f"Align={rng.choice(['Left', 'Right', 'Centre', 'Justify'])}\r\n"
                f"SpaceBefore={rng.between(0, 24)}\r\n"
                f"Comment={paragraph(rng, 100000).strip()}\r\n\r\n"
            )
            number += 1

    return fill_text(sections(), size, "; Glyphwork style sheet\r\n\r\n")
