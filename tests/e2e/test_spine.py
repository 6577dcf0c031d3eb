"""The setup program's spine under Wine: the page sequence with its missing-template rules, Cancel
and the abort path, the clean-up that deletes only what the run wrote, and the top-level error
report. Everything is driven through the real dialogs."""
import random
import re
import shutil
import subprocess

import pytest

from harness import IDCANCEL, IDNO, IDOK, IDYES
from harness.paths import REPO_ROOT, find_win_program

MKDIST = REPO_ROOT / "build" / "native" / "bin" / "mkdist"
CANCEL_CAPTION = "Exit Glyphwork"
CANCEL_PROMPT = "Do you really want to terminate the Setup program?"
ABORT_MESSAGE = "The Installation process has been terminated."
DISK_SIZE = 30000


def place_setup(env, folder: str, variant: str = "Setup.exe") -> str:
    """Copies a build of the setup program into FOLDER (a C:\\ path) as Setup.exe."""
    target = env.to_unix(folder)
    target.mkdir(parents=True, exist_ok=True)
    shutil.copy(find_win_program(variant), target / "Setup.exe")
    return folder + "\\Setup.exe"


def pack_distribution(env, folder: str, variant: str = "Setup.exe") -> str:
    """Packs a small product (two volumes) with the given setup build into FOLDER."""
    product = env.to_unix(folder + "-product")
    product.mkdir(parents=True, exist_ok=True)
    rng = random.Random(7)  # incompressible data, so the archive's size is known in advance
    files = {"Glyphwork.Exe": 24000, "UnInstal.Exe": 9000, "GLYPHS.DAT": 12000}
    for name, size in files.items():
        (product / name).write_bytes(bytes(rng.getrandbits(8) for _ in range(size)))
    subprocess.run([str(MKDIST), "pack", "--setup", str(find_win_program(variant)), "--out",
                    str(env.to_unix(folder)), "--disk-size", str(DISK_SIZE), str(product), *files],
                   check=True, capture_output=True)
    setup = env.to_unix(folder) / find_win_program(variant).name
    setup.rename(setup.with_name("Setup.exe"))
    assert sorted(p.name for p in env.to_unix(folder).glob("Glyphwor.*")) == ["Glyphwor.001", "Glyphwor.002"]
    return folder + "\\Setup.exe"


def start(env, driver, setup: str):
    proc = env.run(setup)
    page = driver.wait_window(caption="Destination Directory", class_="#32770")
    return proc, page


def backdrop(driver) -> dict:
    return driver.wait_window(caption="Installation", class_="TBSetUp")


def accept_destination(driver, page, folder: str):
    driver.set_text(page["hwnd"], folder, id=104)
    driver.click(page["hwnd"], IDOK)


def expect_abort(driver, proc) -> int:
    owner = backdrop(driver)["hwnd"]
    box = driver.answer_message_box(caption="Glyphwork", button=IDOK)
    assert box.text == ABORT_MESSAGE
    assert box.owner == owner
    return driver.wait_exit(proc)


def test_without_main_template_no_dialog_and_exit_code_0(wine_env, driver):
    proc = wine_env.run(place_setup(wine_env, "C:\\spine\\nomain", "Setup-NoMAIN.exe"))
    dialogs = set()
    while proc.poll() is None:
        dialogs |= {w["caption"] for w in driver.find_windows(class_="#32770")}
    assert proc.wait(10) == 0
    assert dialogs == set()


CANCEL_GESTURES = {
    "cancel button": lambda driver, page: driver.click(page["hwnd"], IDCANCEL),
    "escape": lambda driver, page: driver.key(page["hwnd"], "escape"),
    "close box": lambda driver, page: driver.close_box(page["hwnd"]),
    "alt+f4": lambda driver, page: driver.key(page["hwnd"], "alt+f4"),
}


@pytest.mark.parametrize("gesture", sorted(CANCEL_GESTURES))
def test_cancel_on_destination_asks_no_keeps_yes_aborts(wine_env, driver, gesture):
    proc, page = start(wine_env, driver, place_setup(wine_env, "C:\\spine\\cancel"))
    driver.set_text(page["hwnd"], "D:\\SOMEWHERE", id=104)

    CANCEL_GESTURES[gesture](driver, page)
    box = driver.answer_message_box(caption=CANCEL_CAPTION, button=IDNO)
    assert (box.text, box.owner) == (CANCEL_PROMPT, 0)
    assert driver.window(page["hwnd"]) is not None, "No must keep the page"
    assert driver.text(page["hwnd"], id=104) == "D:\\SOMEWHERE"

    CANCEL_GESTURES[gesture](driver, page)
    driver.screenshot("cancel-question")
    driver.answer_message_box(caption=CANCEL_CAPTION, button=IDYES)
    assert expect_abort(driver, proc) == 0


def test_abort_before_a_folder_is_confirmed_keeps_files_beside_the_setup(wine_env, driver):
    setup = place_setup(wine_env, "C:\\spine\\own-folder")
    folder = wine_env.to_unix("C:\\spine\\own-folder")
    for name in ["Glyphwork.Exe", "Glyphwor._TB"]:
        (folder / name).write_bytes(b"not this run's")
    proc, page = start(wine_env, driver, setup)
    driver.click(page["hwnd"], IDCANCEL)
    driver.answer_message_box(caption=CANCEL_CAPTION, button=IDYES)
    assert expect_abort(driver, proc) == 0
    for name in ["Glyphwork.Exe", "Glyphwor._TB"]:
        assert (folder / name).read_bytes() == b"not this run's"


def test_missing_stage_template_aborts_and_keeps_an_earlier_installation(wine_env, driver):
    """Without the assembly template the run aborts after the licence; the files of an earlier
    installation in the confirmed folder were not written by this run and stay."""
    dest = wine_env.to_unix("C:\\spine\\earlier")
    dest.mkdir(parents=True, exist_ok=True)
    for name in ["Glyphwork.Exe", "Glyphwor._TB"]:
        (dest / name).write_bytes(b"earlier installation")
    proc, page = start(wine_env, driver, place_setup(wine_env, "C:\\spine\\noiprogress", "Setup-NoIPROGRESS.exe"))
    accept_destination(driver, page, "C:\\SPINE\\EARLIER")
    licence = driver.wait_window(caption="License Agreement")
    driver.click(licence["hwnd"], IDOK)
    assert expect_abort(driver, proc) == 0
    for name in ["Glyphwork.Exe", "Glyphwor._TB"]:
        assert (dest / name).read_bytes() == b"earlier installation"


@pytest.mark.parametrize("variant, written", [
    ("Setup-NoPROGRESS.exe", "Glyphwor._TB"),   # aborts after the assembly: its archive goes
    ("Setup-NoGROUP.exe", "Glyphwork.Exe"),     # aborts after the extraction: its main executable goes
])
def test_missing_later_template_aborts_and_removes_what_the_run_wrote(wine_env, driver, variant, written):
    setup = pack_distribution(wine_env, f"C:\\spine\\dist-{variant[:-4]}", variant)
    dest = f"C:\\SPINE\\DEST-{variant[:-4].upper()}"
    proc, page = start(wine_env, driver, setup)
    accept_destination(driver, page, dest)
    driver.click(driver.wait_window(caption="License Agreement")["hwnd"], IDOK)
    assert expect_abort(driver, proc) == 0
    assert not (wine_env.to_unix(dest) / written).exists()
    assert not (wine_env.to_unix(dest) / "Glyphwor._TB").exists()


def test_without_license_template_the_assembly_stage_follows(wine_env, driver):
    setup = pack_distribution(wine_env, "C:\\spine\\dist-nolicense", "Setup-NoLICENSE.exe")
    (wine_env.to_unix("C:\\spine\\dist-nolicense") / "Glyphwor.002").unlink()
    proc, page = start(wine_env, driver, setup)
    accept_destination(driver, page, "C:\\SPINE\\DEST-NOLICENSE")
    # The next dialog is the assembly stage, asking for the missing second disk.
    prompt = driver.wait_message_box(caption="Glyphwork")
    assert prompt.text == "Please Insert Disk number 2"
    assert prompt.owner_caption == "Please Stand By..."
    assert driver.find_windows(caption="License Agreement") == []
    driver.click(prompt.hwnd, IDCANCEL)
    assert expect_abort(driver, proc) == 0
    assert not (wine_env.to_unix("C:\\SPINE\\DEST-NOLICENSE") / "Glyphwor._TB").exists()


def test_missing_first_volume_ends_with_the_error_report(wine_env, driver):
    setup = pack_distribution(wine_env, "C:\\spine\\dist-novolume")
    (wine_env.to_unix("C:\\spine\\dist-novolume") / "Glyphwor.001").unlink()
    proc, page = start(wine_env, driver, setup)
    accept_destination(driver, page, "C:\\SPINE\\DEST-NOVOLUME")
    driver.click(driver.wait_window(caption="License Agreement")["hwnd"], IDOK)
    box = driver.wait_message_box(caption="Application Error")
    driver.screenshot("application-error")
    first, second = box.text.split("\n")
    assert re.fullmatch(r"Exception EInOutError in module Setup\.exe at [0-9A-F]{8}\.", first)
    assert second == "File not found."
    assert box.owner == 0
    driver.answer_message_box(caption="Application Error", button=IDOK)
    assert driver.wait_exit(proc) == 1
