"""What the page tests share: starting the setup program, a small packed distribution that gets
through both stages to the shortcut-name page, and leaving the setup the way a user would."""
import os
import shutil
import subprocess
from pathlib import Path

from harness import IDOK, IDYES, find_win_program

ROOT = Path(__file__).resolve().parents[2]

MAIN, LICENSE, GROUP = "Destination Directory", "License Agreement", "Program Group"
DESTINATION_EDIT, NAME_EDIT = 104, 102
CANCEL_QUESTION = ("Exit Glyphwork", "Do you really want to terminate the Setup program?")
ABORT_MESSAGE = ("Glyphwork", "The Installation process has been terminated.")
COMPLETION_QUESTION = ("Glyphwork", "Glyphwork has been successfully installed.\r\n\r\nDo you wish to run Glyphwork?")
UNINSTALL_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Glyphwork"
SHELL_FOLDERS_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"

# A product small enough to pack in a blink: the main executable and two catalogue entries,
# the same bytes on every run.
SMALL_PRODUCT = {
    "Glyphwork.Exe": b"MZ" + b"Glyphwork stand-in for the page tests. " * 120,
    "UnInstal.Exe": b"MZ" + b"uninstaller stand-in " * 20,
    "README": b"Glyphwork: first steps.\r\n" * 40,
}


def mkdist_path() -> Path:
    """The packager of the native build: $GLYPHWORK_NATIVE_BUILD/bin/mkdist, default build/native."""
    native = Path(os.environ.get("GLYPHWORK_NATIVE_BUILD", ROOT / "build" / "native"))
    path = native / "bin" / "mkdist"
    if not path.is_file():
        raise FileNotFoundError(f"{path} was not built (set GLYPHWORK_NATIVE_BUILD)")
    return path


def pack_small_distribution(work: Path) -> Path:
    """SMALL_PRODUCT packed onto one disk with the one-disk setup variant; returns the folder
    that holds Setup-Disks1.exe and Glyphwor.001."""
    product, dist = work / "product", work / "dist"
    product.mkdir(parents=True)
    for name, data in SMALL_PRODUCT.items():
        (product / name).write_bytes(data)
    subprocess.run([str(mkdist_path()), "pack", "--setup", str(find_win_program("Setup-Disks1.exe")), "--out",
                    str(dist), str(product), *SMALL_PRODUCT], check=True, capture_output=True, timeout=60)
    return dist


def copy_into_prefix(env, folder: Path, win_folder: str) -> str:
    """Copies FOLDER to WIN_FOLDER (C:\\...) of the environment's prefix; returns WIN_FOLDER."""
    target = env.to_unix(win_folder)
    if target.exists():
        shutil.rmtree(target)
    shutil.copytree(folder, target)
    return win_folder


def start_setup(env, driver, program="Setup.exe"):
    """Starts a setup program (a build output, or a C:\\ path in the prefix); returns the
    process and the destination page's window record."""
    exe = program if program[1:2] == ":" else find_win_program(program)
    proc = env.run(exe)
    page = driver.wait_window(caption=MAIN, class_="#32770", timeout=30)
    return proc, page


def accept_destination(driver, page, entry):
    """Puts ENTRY into the destination box and presses OK."""
    driver.set_text(page["hwnd"], entry, id=DESTINATION_EDIT)
    driver.click(page["hwnd"], IDOK)


def leave_by_cancel(driver, page, proc):
    """Cancel, Yes to the question, OK to the abort message; the setup ends with 0."""
    driver.click(page["hwnd"], 2)
    driver.answer_message_box(CANCEL_QUESTION[0], IDYES)
    box = driver.answer_message_box(ABORT_MESSAGE[0], IDOK)
    assert box.text == ABORT_MESSAGE[1]
    assert driver.wait_exit(proc) == 0


def programs_folder(env, driver) -> Path:
    """The user's Programs menu folder, as the shortcut code finds it."""
    return env.to_unix(driver.reg_get("HKCU", SHELL_FOLDERS_KEY, "Programs"))


def top_level_entries(env) -> set:
    """Names directly in drive C of the prefix."""
    return {p.name for p in env.to_unix("C:\\").iterdir()}
