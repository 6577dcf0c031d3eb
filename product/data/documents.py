"""The help file and the version history."""
import struct

from prng import Prng
from prose import fill_text, paragraph

TOPICS = [
    "Opening a font", "The glyph table", "Choosing a sample text", "Editing an outline",
    "Kerning pairs", "Styles for page layout", "The user library", "Printing a preview sheet",
    "Keyboard shortcuts", "Character map", "Exporting glyphs", "Settings",
]


def help_file(size: int, seed: int) -> bytes:
    """"GLYPHWORK HELP\\x1a", uint16 topic count, then per topic: uint16 number, uint32 length,
    the title line and the body (CR LF text); zero padding."""
    rng = Prng(seed)
    head = b"GLYPHWORK HELP\x1a"
    topics = bytearray()
    room = size - len(head) - 2
    number = 0
    while True:
        title = f"{TOPICS[number % len(TOPICS)]} ({number // len(TOPICS) + 1})"
        body = "\r\n".join(paragraph(rng) for _ in range(rng.between(3, 9)))
        text = f"{title}\r\n\r\n{body}".encode("ascii")
        record = struct.pack("<HI", number, len(text)) + text
        if len(topics) + len(record) > room:
            break
        topics += record
        number += 1
    data = head + struct.pack("<H", number) + topics
    return data + bytes(size - len(data))


def changes(size: int, seed: int) -> bytes:
    """Version history, newest first."""
    rng = Prng(seed)

    def entries():
        major = 1
        for minor in range(40, 0, -1):
            yield f"Version {major}.{minor:02d}\r\n" + "".join(
                f"  - {paragraph(rng, 70).strip()}\r\n".replace("\r\n", "\r\n    ").rstrip() + "\r\n"
                for _ in range(rng.between(1, 4))) + "\r\n"

    return fill_text(entries(), size)
