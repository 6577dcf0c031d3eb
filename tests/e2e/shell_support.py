"""What the backdrop and shell tests read from the screen: the gradient's rows, the shadowed
title, the logo and the notice line, worked out from the screenshot's pixels."""
import subprocess
import time
from pathlib import Path

from PIL import Image

ROOT = Path(__file__).resolve().parents[2]

BLUE = (0, 0, 255)
BLACK = (0, 0, 0)
YELLOW = (255, 255, 0)
LOGO_SIZE = (204, 66)


def expected_blue(row, height):
    """Blue channel of a row of the built-in blue-to-black gradient: 255 steps, each held for
    height // 255 rows (one row when the screen is shorter), black below the last step."""
    band = max(1, height // 255)
    return max(0, 255 - row // band)


def logo_image(tmp_path):
    """The logo exactly as the build draws it, as RGB."""
    bmp = tmp_path / "logo.bmp"
    subprocess.run(["python3", str(ROOT / "resources" / "make_art.py"), str(bmp), str(tmp_path / "icon.ico")],
                   check=True)
    return Image.open(bmp).convert("RGB")


def logo_origin(width, height):
    """Top-left corner of the logo: centred, its bottom edge 6 pixels above the screen's."""
    return width // 2 - 102, height - 72


def region_mismatches(shot, picture, origin):
    """Pixels of Picture that the screenshot does not show at Origin, as (x, y, want, got)."""
    ox, oy = origin
    out = []
    for y in range(picture.height):
        for x in range(picture.width):
            want, got = picture.getpixel((x, y)), shot.getpixel((ox + x, oy + y))
            if want != got:
                out.append((x, y, want, got))
    return out


def pixels_of(shot, box, colour):
    """Set of (x, y) inside Box (left, top, right, bottom) whose colour is exactly Colour."""
    left, top, right, bottom = box
    return {(x, y) for y in range(top, bottom) for x in range(left, right) if shot.getpixel((x, y)) == colour}


def bounds(points):
    xs = [x for x, _ in points]
    ys = [y for _, y in points]
    return min(xs), min(ys), max(xs), max(ys)


def ink_bounds(shot, box, background):
    """Bounds of the pixels in Box that differ from Background(x, y), or None."""
    left, top, right, bottom = box
    ink = {(x, y) for y in range(top, bottom) for x in range(left, right)
           if shot.getpixel((x, y)) != background(x, y)}
    return bounds(ink) if ink else None


def stable_screenshot(driver, name, ready, attempts=40):
    """A screenshot once Ready(image) holds and the screen has stopped changing: the backdrop is
    painted by the dialog's message loop, some time after the dialog itself appeared."""
    previous = None
    for i in range(attempts):
        shot = driver.screenshot(name)
        if ready(shot.image) and previous is not None and previous.tobytes() == shot.image.tobytes():
            return shot
        previous = shot.image
        time.sleep(0.25)
    raise AssertionError(f"the screen did not settle into the expected picture ({name})")
