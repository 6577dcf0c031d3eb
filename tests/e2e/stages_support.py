"""Products, distributions and page steps for the installation-stage tests: a product made of
deterministic bytes is packed with mkdist and installed through the real dialogs."""
import os
import random
import shutil
import signal
import subprocess
import time
import zlib
from pathlib import Path

from harness import IDNO, IDOK
from harness.paths import REPO_ROOT, find_win_program

HELP_FOLDER = "C:\\windows\\Help"
ARCHIVE = "Glyphwor._TB"
MAIN_EXE = "Glyphwork.Exe"
STAGE_CAPTION = "Please Stand By..."
CANCEL_CAPTION = "Exit Glyphwork"
ABORT_MESSAGE = "The Installation process has been terminated."
WRONG_DISK = "This is not the appropriate disk.\r\nPlease insert the correct disk and Press Enter"
SUCCESS_QUESTION = "Glyphwork has been successfully installed.\r\n\r\nDo you wish to run Glyphwork?"


def mkdist() -> Path:
    """The packager: GLYPHWORK_MKDIST, else the first native build that has it."""
    if os.environ.get("GLYPHWORK_MKDIST"):
        return Path(os.environ["GLYPHWORK_MKDIST"])
    for build in ["native", "stages-native"]:
        path = REPO_ROOT / "build" / build / "bin" / "mkdist"
        if path.exists():
            return path
    raise FileNotFoundError("mkdist is not built (cmake --build build/native --target mkdist)")


def product_bytes(size: int, seed: int) -> bytes:
    """SIZE bytes that compress about as well as a program does: words from a small vocabulary,
    with random bytes mixed in. The same bytes for the same seed on every run."""
    rng = random.Random(seed)
    words = [bytes(rng.choice(b"abcdefghijklmnopqrstuvwxyz_") for _ in range(rng.randint(2, 10)))
             for _ in range(400)]
    out = bytearray()
    while len(out) < size:
        out += rng.choice(words) + b" "
        if rng.random() < 0.4:
            out += rng.randbytes(rng.randint(1, 6))
    return bytes(out[:size])


# A small product: the main executable first, then one file of each kind of placement.
SMALL_PRODUCT = {
    "MAIN.EXE": 60000,
    "UnInstal.Exe": 9000,
    "GLYPH.HLP": 7000,      # goes to the Windows help folder
    "FONTS.LIB": 12000,     # kept when the user has it already
    "Notes.dtp": 2049,      # kept too; the extension test ignores case
    "EMPTY.DAT": 0,
    "README": 2048,         # no extension
}


def make_product(folder: Path, sizes: dict, seed: int = 11) -> dict:
    """Writes the product files into FOLDER and returns name -> bytes."""
    folder.mkdir(parents=True, exist_ok=True)
    files = {}
    for i, (name, size) in enumerate(sizes.items()):
        files[name] = product_bytes(size, seed * 1000 + i)
        (folder / name).write_bytes(files[name])
    return files


class Distribution:
    """A packed product in a folder of the Wine drive: Setup.exe, the volumes, the product."""

    def __init__(self, env, folder: str, files: dict, volumes: list):
        self.env, self.folder, self.files, self.volumes = env, folder, files, volumes
        self.unix = env.to_unix(folder)

    @property
    def setup(self) -> str:
        return self.folder + "\\Setup.exe"

    @property
    def main_exe(self) -> bytes:
        return next(iter(self.files.values()))

    def entries(self) -> dict:
        """The catalogue entries: every file but the main executable."""
        return dict(list(self.files.items())[1:])

    def volume(self, number: int) -> Path:
        return self.unix / f"Glyphwor.{number:03d}"


def pack(env, folder: str, sizes: dict = None, disk_size: int = 40000, variant: str = "Setup.exe",
         seed: int = 11, contents: dict = None) -> Distribution:
    """Packs a product with the given setup build into the Wine folder FOLDER: files of the given
    SIZES made by product_bytes, or the given CONTENTS (name -> bytes)."""
    unix = env.to_unix(folder)
    if unix.exists():
        shutil.rmtree(unix)
    product = env.to_unix(folder + "-product")
    if contents is None:
        files = make_product(product, sizes or SMALL_PRODUCT, seed)
    else:
        product.mkdir(parents=True, exist_ok=True)
        files = dict(contents)
        for name, data in files.items():
            (product / name).write_bytes(data)
    subprocess.run([str(mkdist()), "pack", "--setup", str(find_win_program(variant)), "--out", str(unix),
                    "--disk-size", str(disk_size), str(product), *files], check=True, capture_output=True)
    built = unix / find_win_program(variant).name
    if built.name != "Setup.exe":
        built.rename(built.with_name("Setup.exe"))
    volumes = sorted(p.name for p in unix.glob("Glyphwor.0*"))
    return Distribution(env, folder, files, volumes)


def start_to_stages(env, driver, dist: Distribution, dest: str):
    """Starts the setup, confirms DEST (its parent must exist) and accepts the licence, so the
    assembly stage starts next. Returns the process."""
    if dest[:2].upper() == "C:":
        env.to_unix(dest).parent.mkdir(parents=True, exist_ok=True)
    proc = env.run(dist.setup)
    page = driver.wait_window(caption="Destination Directory", class_="#32770", timeout=30)
    driver.set_text(page["hwnd"], dest, id=104)
    driver.click(page["hwnd"], IDOK)
    licence = driver.wait_window(caption="License Agreement", timeout=30)
    driver.click(licence["hwnd"], IDOK)
    return proc


def finish_after_stages(driver, timeout: float = 120.0) -> str:
    """Skips the shortcut and answers No to the completion question; returns its text."""
    group = driver.wait_window(caption="Program Group", class_="#32770", timeout=timeout)
    driver.click(group["hwnd"], 2)
    box = driver.answer_message_box(caption="Glyphwork", button=IDNO, timeout=30)
    return box.text


def expect_abort(driver, proc) -> int:
    """Answers the abort message and returns the exit code."""
    box = driver.answer_message_box(caption="Glyphwork", button=IDOK, timeout=60)
    assert box.text == ABORT_MESSAGE
    return driver.wait_exit(proc)


def help_dir(env):
    """The Windows help folder as Wine finds it (names match without regard to case), or None."""
    windows = env.to_unix("C:\\windows")
    return next((p for p in windows.iterdir() if p.name.lower() == "help" and p.is_dir()), None)


def dest_files(env, dest: str) -> dict:
    folder = env.to_unix(dest)
    return {p.name: p.read_bytes() for p in folder.iterdir() if p.is_file()} if folder.exists() else {}


def bar_colours(shot, frame_rect) -> dict:
    """Counts of red and white pixels over the bar's frame control (screen rectangle)."""
    left, top, right, bottom = frame_rect
    counts = {"red": 0, "white": 0}
    for n, colour in shot.image.crop((left, top, right, bottom)).getcolors(maxcolors=1 << 20):
        if colour == (255, 0, 0):
            counts["red"] += n
        elif colour == (255, 255, 255):
            counts["white"] += n
    return counts


class Frozen:
    """The setup process stopped with SIGSTOP: it draws nothing and handles nothing, so the screen
    keeps what the stage last painted and posted input waits in its queue. Continues on exit."""

    def __init__(self, proc):
        self.proc = proc

    def __enter__(self):
        os.kill(self.proc.pid, signal.SIGSTOP)
        return self

    def __exit__(self, *exc):
        os.kill(self.proc.pid, signal.SIGCONT)


def freeze_in_stage(driver, proc, skip_hwnds=(), timeout: float = 60.0):
    """Stops the process as soon as a stage dialog other than SKIP_HWNDS is up (polling the window
    list, which sends the program nothing). Returns (Frozen, dialog); the caller continues it."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for w in driver.find_windows(caption=STAGE_CAPTION, class_="#32770"):
            if w["hwnd"] not in skip_hwnds:
                frozen = Frozen(proc).__enter__()
                if driver.window(w["hwnd"]) is not None:
                    return frozen, w
                frozen.__exit__()
        if proc.poll() is not None:
            break
        time.sleep(0.002)
    raise TimeoutError("no stage dialog appeared")


def strip_checksums(setup: Path):
    """Removes the checksum block in front of the catalogue, as in a setup packed without one."""
    data = setup.read_bytes()
    count = data[-5]
    records = len(data) - 5 - 28 * count
    length = int.from_bytes(data[records - 4:records], "little")
    start = records - length
    assert data[start:start + 8] == b"GWSUMS01"
    setup.write_bytes(data[:start] + data[records:])


def rename_entry(setup: Path, old: str, new: str):
    """Changes the name of a catalogue record in place (same length), bypassing the packager."""
    assert len(old) == len(new)
    data = bytearray(setup.read_bytes())
    count = data[-5]
    records = len(data) - 5 - 28 * count
    for i in range(count):
        at = records + 28 * i
        if data[at + 1:at + 1 + data[at]] == old.encode():
            data[at + 1:at + 1 + len(new)] = new.encode()
            setup.write_bytes(bytes(data))
            return
    raise KeyError(old)


def corrupt_decoded_checksum(setup: Path):
    """Changes the decoded stream's CRC in the checksum block (and the block's own CRC to match),
    as if the volumes, each intact, decoded to other bytes than were packed."""
    data = bytearray(setup.read_bytes())
    count = data[-5]
    records = len(data) - 5 - 28 * count
    length = int.from_bytes(data[records - 4:records], "little")
    start = records - length
    assert data[start:start + 8] == b"GWSUMS01"
    decoded_crc = records - 12  # decoded CRC, then the block's own CRC, then its length
    data[decoded_crc] ^= 0x01
    own = zlib.crc32(bytes(data[start:records - 8]))
    data[records - 8:records - 4] = own.to_bytes(4, "little")
    setup.write_bytes(bytes(data))
