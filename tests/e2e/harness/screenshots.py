"""Screenshots of the whole X screen as PNG, and pixel reads with Pillow."""
import subprocess
from pathlib import Path

from PIL import Image


class Screenshot:
    """A PNG file of the screen and its pixels (RGB)."""

    def __init__(self, path):
        self.path = Path(path)
        with Image.open(self.path) as img:
            self.image = img.convert("RGB")

    @property
    def size(self):
        return self.image.size

    def pixel(self, x: int, y: int):
        return self.image.getpixel((x, y))

    def crop(self, left, top, right, bottom):
        return self.image.crop((left, top, right, bottom))

    def colours(self, left, top, right, bottom) -> set:
        """The distinct colours within the box (right and bottom exclusive)."""
        return {c for _, c in self.crop(left, top, right, bottom).getcolors(maxcolors=1 << 24)}


def take_screenshot(display: str, path) -> Screenshot:
    """The root window of DISPLAY into PATH (.png added when missing), via ImageMagick's import."""
    path = Path(path)
    if path.suffix.lower() != ".png":
        path = path.with_name(path.name + ".png")
    path.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["import", "-display", display, "-window", "root", f"png:{path}"], check=True, timeout=30,
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    return Screenshot(path)
