"""Support of the backdrop and completion tests: what they read from the screen (the gradient's
rows, the shadowed title, the logo, the notice line), and a packed product installed through the
setup's real pages up to the completion question."""
import os
import re
import shutil
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


# Installing a packed product, as far as the completion question.

PROGRAMS_KEY = r"Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders"
UNINSTALL_KEY = r"Software\microsoft\windows\currentversion\uninstall"
ENTRY_KEY = UNINSTALL_KEY + r"\Glyphwork"
QUESTION = "Glyphwork has been successfully installed.\r\n\r\nDo you wish to run Glyphwork?"
# The product the tests install: the harness's small test program, which shows a dialog of this
# caption when it runs, so a started product can be seen.
PRODUCT_PROGRAM = "testapp.exe"
PRODUCT_WINDOW = "Harness Test"
UNINSTALLER_BYTES = bytes(range(256)) * 12


def native_program(name):
    """A program of the native build: $GLYPHWORK_NATIVE_BUILD, default <repo>/build/native."""
    root = Path(os.environ.get("GLYPHWORK_NATIVE_BUILD", ROOT / "build" / "native"))
    return root / "bin" / name


def pack_distribution(setup_exe, product_exe, work):
    """Packs the product onto two disks for Setup.exe (built for two); returns the folder holding
    Setup.exe and both volumes."""
    product = work / "product"
    product.mkdir(parents=True)
    shutil.copyfile(product_exe, product / "Glyphwork.Exe")
    (product / "UnInstal.Exe").write_bytes(UNINSTALLER_BYTES)

    def pack(out, *extra):
        subprocess.run([str(native_program("mkdist")), "pack", "--setup", str(setup_exe), "--out", str(out), *extra,
                        str(product), "Glyphwork.Exe", "UnInstal.Exe"], check=True, capture_output=True)

    # One pack tells the archive's size; the second cuts it into two volumes.
    pack(work / "one")
    archive = (work / "one" / "Glyphwor.001").stat().st_size
    dist = work / "dist"
    pack(dist, "--disk-size", str(archive // 2 + 1))
    assert sorted(p.name for p in dist.glob("Glyphwor.*")) == ["Glyphwor.001", "Glyphwor.002"]
    return dist


def install(env, driver, dist, dest, shortcut_name=None, accept_group=True):
    """Runs Setup.exe from a copy of Dist in C:\\DIST: types Dest on the destination page, agrees to
    the licence, answers the Program Group page (typing Shortcut_name when given; Cancel when
    Accept_group is false). Returns the setup's process and the window that follows the page."""
    folder = env.prefix.drive_c / "DIST"
    if not folder.exists():
        shutil.copytree(dist, folder)
    proc = env.run(env.to_windows(folder / "Setup.exe"))
    page = driver.wait_window(caption="Destination Directory", timeout=60)["hwnd"]
    driver.set_text(page, "", id=104)
    driver.type_text(page, dest, id=104)
    driver.click(page, 1)
    licence = driver.wait_window(caption="License Agreement", timeout=30)["hwnd"]
    driver.click(licence, 1)
    group = driver.wait_window(caption="Program Group", timeout=120)["hwnd"]
    if shortcut_name is not None:
        driver.set_text(group, "", id=102)
        if shortcut_name:
            driver.type_text(group, shortcut_name, id=102)
    driver.click(group, 1 if accept_group else 2)
    return proc


def programs_folder(driver):
    return driver.reg_get("HKCU", PROGRAMS_KEY, "programs")


def link_files(env, folder):
    """Names of the shortcut files in a Windows folder (none when it does not exist)."""
    path = env.to_unix(folder)
    return sorted(p.name for p in path.iterdir() if p.name.lower().endswith(".lnk")) if path.is_dir() else []


def join_path(folder, name):
    """The setup's own rule: no second backslash after a folder that ends in one."""
    return name if not folder else folder + name if folder.endswith("\\") else folder + "\\" + name


def make_self_link(prefix, key):
    """Turns the HKLM key Key (and all below it) into a registry link that points at itself, so
    that nothing can open or create it. Edits system.reg: the prefix's wineserver must be down."""
    reg = prefix.path / "system.reg"
    text = reg.read_text(encoding="latin-1")
    blocks = re.split(r"\n(?=\[)", text)
    name = key.replace("\\", "\\\\").lower()
    kept = [b for b in blocks if not (b.lower().startswith(f"[{name}]") or b.lower().startswith(f"[{name}\\\\"))]
    target = ",".join(f"{b:02x}" for b in ("\\Registry\\Machine\\" + key).encode("utf-16-le"))
    kept.append(f"[{key.replace(chr(92), chr(92) * 2)}] 0\n#link\n\"SymbolicLinkValue\"=hex(6):{target}\n")
    reg.write_text("\n".join(kept), encoding="latin-1")
