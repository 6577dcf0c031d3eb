"""Readable-looking prose about fonts and glyphs, made from word lists with a fixed generator:
text that compresses the way real manuals do."""
from prng import Prng

SUBJECTS = [
    "the glyph table", "the outline editor", "each font", "the kerning table", "the preview sheet",
    "the style sheet", "a character map", "the baseline", "the em square", "every contour",
    "the user library", "the sample line", "a selected glyph", "the point grid", "the font list",
    "the status line", "the zoom control", "a composite glyph", "the metrics panel", "the hinting pass",
]
VERBS = [
    "shows", "keeps", "moves", "scales", "aligns", "draws", "lists", "stores", "replaces", "measures",
    "rounds", "exports", "marks", "joins", "splits", "snaps", "previews", "sorts", "groups", "checks",
]
OBJECTS = [
    "the advance width", "every outline point", "the side bearings", "the ascender line",
    "the descender line", "the x-height", "the cap height", "each kerning pair", "the stroke weight",
    "the counter shapes", "the serif length", "the italic angle", "the selected range",
    "all control points", "the character code", "the glyph name", "the units per em",
    "the bounding box", "the default spacing", "the ligature table",
]
TAILS = [
    "before the font is saved", "while you drag the mouse", "when you press Enter",
    "in the current font only", "for every style in the sheet", "at the chosen point size",
    "without changing the outline", "as the preview follows", "in steps of ten units",
    "so that printed pages match the screen", "unless the glyph is locked", "on the next redraw",
    "for the whole family", "after the outline is closed", "in the order of the character codes",
]
OPENERS = ["", "", "", "Then ", "Next, ", "Note that ", "By default ", "If you wish, ", "In this case "]


def sentence(rng: Prng) -> str:
    opener = rng.choice(OPENERS)
    subject = rng.choice(SUBJECTS)
    if not opener:
        subject = subject[0].upper() + subject[1:]
    return f"{opener}{subject} {rng.choice(VERBS)} {rng.choice(OBJECTS)} {rng.choice(TAILS)}."


def paragraph(rng: Prng, width: int = 78) -> str:
    """A paragraph of 2 to 6 sentences, wrapped at Width, with CR LF line ends."""
    words = " ".join(sentence(rng) for _ in range(rng.between(2, 6))).split()
    lines, line = [], ""
    for word in words:
        if line and len(line) + 1 + len(word) > width:
            lines.append(line)
            line = word
        else:
            line = f"{line} {word}" if line else word
    lines.append(line)
    return "\r\n".join(lines) + "\r\n"


def fill_text(pieces, size: int, head: str = "") -> bytes:
    """HEAD, then as many whole PIECES (an iterable of ASCII strings, taken in order) as fit in
    SIZE bytes, padded with blanks to exactly SIZE. The first piece that does not fit is the last
    one drawn, so the generator's draws stay the same whatever the size."""
    parts, total = [head], len(head)
    for piece in pieces:
        if total + len(piece) > size:
            break
        parts.append(piece)
        total += len(piece)
    data = "".join(parts).encode("ascii")
    return data + b" " * (size - len(data))
