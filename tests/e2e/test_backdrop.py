"""The backdrop behind the setup's pages, read from real screenshots at several screen sizes:
the gradient's rows, the title and its shadow, the logo and the notice line."""
import pytest

from harness import IDOK, IDYES, find_win_program
from shell_support import (BLACK, BLUE, YELLOW, bounds, expected_blue, ink_bounds, logo_image, logo_origin,
                           pixels_of, region_mismatches, stable_screenshot)

# width, height, rows with their colour as the user sees them, logo corner, notice start
SCREENS = [
    (1024, 768, {0: BLUE, 2: BLUE, 3: (0, 0, 254), 762: (0, 0, 1), 764: (0, 0, 1), 765: BLACK, 767: BLACK},
     (410, 696), (774, 748)),
    (800, 600, {0: BLUE, 1: BLUE, 2: (0, 0, 254), 508: (0, 0, 1), 509: (0, 0, 1), 510: BLACK, 599: BLACK},
     (298, 528), (550, 580)),
    (640, 480, {0: BLUE, 1: (0, 0, 254), 254: (0, 0, 1), 255: BLACK, 479: BLACK},
     (218, 408), (390, 460)),
]
TITLE_BAND = 120  # rows that hold the title; no dialog reaches up there at these sizes
SHADOW_OFFSET = (2, 3)


def show_backdrop(screen_env, width, height, program, transcript, name):
    """Starts Program on a screen of its own; returns the driver, the process and a screenshot
    taken once the backdrop is painted behind the destination page."""
    env = screen_env(width, height)
    driver = env.driver(transcript)
    proc = env.run(find_win_program(program))
    driver.wait_window(caption="Destination Directory", timeout=30)
    shot = stable_screenshot(driver, name, lambda image: image.getpixel((5, 0)) == BLUE)
    return driver, proc, shot


def leave_setup(driver, proc):
    """Cancel, as a user would: the question, then the abort message; the setup ends with 0."""
    page = driver.wait_window(caption="Destination Directory")
    driver.click(page["hwnd"], 2)
    driver.answer_message_box("Exit Glyphwork", IDYES)
    driver.answer_message_box("Glyphwork", IDOK)
    assert driver.wait_exit(proc) == 0


@pytest.mark.parametrize("width, height, rows, logo_corner, notice_start", SCREENS,
                         ids=[f"{w}x{h}" for w, h, *_ in SCREENS])
def test_backdrop_painting(screen_env, transcript, tmp_path, width, height, rows, logo_corner, notice_start):
    driver, proc, shot = show_backdrop(screen_env, width, height, "Setup.exe", transcript, f"backdrop-{width}x{height}")
    image = shot.image
    assert image.size == (width, height)

    # The rows named above, and every row against the gradient's rule, at both edges, which
    # neither the title, the dialog, the logo nor the notice reaches.
    for row, colour in rows.items():
        assert image.getpixel((5, row)) == colour, f"row {row}"
    for x in (5, width - 5):
        column = [image.getpixel((x, y)) for y in range(height)]
        assert column == [(0, 0, expected_blue(y, height)) for y in range(height)], f"column {x}"
    # The top rows and the bottom row are one colour across the whole screen.
    for y in (0, 1, 2, height - 1):
        assert {image.getpixel((x, y)) for x in range(width)} == {(0, 0, expected_blue(y, height))}, f"row {y}"

    # The title in yellow at (22, 25), and a black shadow: the same letters 2 right, 3 down.
    band = (0, 0, width, TITLE_BAND)
    title, shadow = pixels_of(image, band, YELLOW), pixels_of(image, band, BLACK)
    assert len(title) > 2000 and len(shadow) > 500
    left, top, right, bottom = bounds(title)
    assert 22 <= left <= 30 and 25 <= top <= 40 and right > 350 and bottom < 90
    dx, dy = SHADOW_OFFSET
    assert {(x - dx, y - dy) for x, y in shadow} <= title
    assert bounds(shadow)[2:] == (right + dx, bottom + dy)
    for other in ((3, 3), (2, 2), (1, 3), (2, 4)):
        assert not {(x - other[0], y - other[1]) for x, y in shadow} <= title, f"shadow also fits {other}"

    # The logo, pixel for pixel, at its place; the notice may cover its lower right corner on a
    # small screen, so that corner is left to the notice check.
    assert logo_origin(width, height) == logo_corner
    logo = logo_image(tmp_path)
    ox, oy = logo_corner
    notice_x, notice_y = notice_start
    wrong = [m for m in region_mismatches(image, logo, logo_corner)
             if not (ox + m[0] >= notice_x and oy + m[1] >= notice_y)]
    assert wrong == []

    # The notice line: title-coloured letters whose ink starts at the notice's corner.
    def background(x, y):
        if ox <= x < ox + logo.width and oy <= y < oy + logo.height:
            return logo.getpixel((x - ox, y - oy))
        return (0, 0, expected_blue(y, height))

    notice = ink_bounds(image, (notice_x - 40, notice_y - 10, width, height), background)
    assert notice is not None
    assert notice_x <= notice[0] <= notice_x + 4 and notice_y <= notice[1] <= notice_y + 4
    assert notice[2] < width - 5 and notice[3] < height - 1
    assert YELLOW in {image.getpixel((x, y)) for x in range(notice[0], notice[2] + 1)
                      for y in range(notice[1], notice[3] + 1)}
    leave_setup(driver, proc)


def test_equal_gradient_colours_paint_one_flat_colour(screen_env, transcript):
    width, height = 800, 600
    driver, proc, shot = show_backdrop(screen_env, width, height, "Setup-Flat.exe", transcript, "backdrop-flat")
    image = shot.image
    for x in (5, width - 5):
        assert {image.getpixel((x, y)) for y in range(height)} == {BLUE}, f"column {x}"
    for y in (0, 1, 2, height - 1):
        assert {image.getpixel((x, y)) for x in range(width)} == {BLUE}, f"row {y}"
    # Title and shadow as on the gradient.
    assert len(pixels_of(image, (0, 0, width, TITLE_BAND), YELLOW)) > 2000
    assert len(pixels_of(image, (0, 0, width, TITLE_BAND), BLACK)) > 500
    leave_setup(driver, proc)


def test_channels_step_towards_their_own_targets(screen_env, transcript):
    """From (0, 0, 255) to (100, 0, 0): 255 steps of two rows each on 800 x 600; red rises until it
    reaches 100 and then stays, while blue goes on falling."""
    width, height = 800, 600
    driver, proc, shot = show_backdrop(screen_env, width, height, "Setup-RedGradient.exe", transcript,
                                       "backdrop-red-gradient")

    def expected(y):
        step = min(y // 2, 255)
        return (min(step, 100), 0, 255 - step)

    for x in (5, width - 5):
        assert [shot.image.getpixel((x, y)) for y in range(height)] == [expected(y) for y in range(height)]
    assert expected(199) == (99, 0, 156) and expected(200) == (100, 0, 155) and expected(599) == (100, 0, 0)
    leave_setup(driver, proc)


def test_a_dark_title_gets_a_white_shadow(screen_env, transcript):
    width, height = 800, 600
    driver, proc, shot = show_backdrop(screen_env, width, height, "Setup-DarkTitle.exe", transcript,
                                       "backdrop-dark-title")
    band = (0, 0, width, TITLE_BAND)
    title, shadow = pixels_of(shot.image, band, (0, 0, 128)), pixels_of(shot.image, band, (255, 255, 255))
    assert len(title) > 2000 and len(shadow) > 500
    dx, dy = SHADOW_OFFSET
    assert {(x - dx, y - dy) for x, y in shadow} <= title
    # The notice line is drawn in the title's colour too.
    assert len(pixels_of(shot.image, (width - 250, height - 20, width, height), (0, 0, 128))) > 20
    leave_setup(driver, proc)
