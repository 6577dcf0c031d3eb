"""The two installation stages under Wine: the volumes of a product packed with mkdist are joined,
decoded and split through the real stage dialogs, and the files are checked byte by byte."""
import re
import subprocess
import time

import pytest

from harness import IDCANCEL, IDNO, IDOK, IDYES
from stages_support import (ARCHIVE, CANCEL_CAPTION, MAIN_EXE, STAGE_CAPTION,
                            SUCCESS_QUESTION, WRONG_DISK, bar_colours, dest_files, expect_abort,
                            finish_after_stages, freeze_in_stage, pack, rename_entry, start_to_stages,
                            strip_checksums, help_dir, corrupt_decoded_checksum)

# About 4.6 MB decoded from an archive a little under the assembly bar's 2,795,000 bytes, in
# four volumes: the stages take long enough to be caught mid-way, and the copy bar keeps a
# white part.
LARGE_PRODUCT = {"MAIN.EXE": 1200000, "UnInstal.Exe": 30000, "FONTS.LIB": 1700000, "GLYPHS.DAT": 1700000}
LARGE_DISK = 700000


@pytest.fixture
def help_folder(wine_env):
    """The Windows help folder (Wine's prefix has one)."""
    folder = help_dir(wine_env)
    assert folder is not None
    return folder


@pytest.fixture
def no_help_folder(wine_env):
    """The Windows help folder moved away for the test."""
    folder = help_dir(wine_env)
    aside = folder.with_name("help-aside")
    folder.rename(aside)
    yield
    aside.rename(folder)


def assert_installed(env, dist, dest, help_in_dest=False, kept=()):
    """Every file of the product where it belongs, byte for byte; no archive left."""
    files = dest_files(env, dest)
    for name, data in dist.entries().items():
        if name in kept:
            continue
        if name.upper().endswith(".HLP") and not help_in_dest:
            assert (help_dir(env) / name).read_bytes() == data, name
        else:
            assert files.get(name) == data, name
    assert files[MAIN_EXE] == dist.main_exe, "the main executable is cut to the first entry's offset"
    assert ARCHIVE not in files


def test_two_disk_product_installs_completely(wine_env, driver, help_folder):
    dist = pack(wine_env, "C:\\stages\\two-disks")
    assert dist.volumes == ["Glyphwor.001", "Glyphwor.002"]
    dest = "C:\\STAGES\\FULL"
    proc = start_to_stages(wine_env, driver, dist, dest)
    # Both volumes are there: no disk question holds the stage, the next page comes by itself.
    assert finish_after_stages(driver) == SUCCESS_QUESTION
    assert driver.wait_exit(proc) == 0
    assert_installed(wine_env, dist, dest)


def test_help_files_go_to_the_destination_without_a_help_folder(wine_env, driver, no_help_folder):
    assert help_dir(wine_env) is None
    dist = pack(wine_env, "C:\\stages\\no-help")
    dest = "C:\\STAGES\\NOHELP"
    proc = start_to_stages(wine_env, driver, dist, dest)
    finish_after_stages(driver)
    assert driver.wait_exit(proc) == 0
    assert_installed(wine_env, dist, dest, help_in_dest=True)


def test_libraries_and_documents_the_user_has_are_kept(wine_env, driver, help_folder):
    dist = pack(wine_env, "C:\\stages\\keep")
    dest = "C:\\STAGES\\KEEP"
    folder = wine_env.to_unix(dest)
    folder.mkdir(parents=True, exist_ok=True)
    mine = {"FONTS.LIB": b"the user's library", "Notes.dtp": b"the user's document", "README": b"old readme"}
    for name, data in mine.items():
        (folder / name).write_bytes(data)
    proc = start_to_stages(wine_env, driver, dist, dest)
    finish_after_stages(driver)
    assert driver.wait_exit(proc) == 0
    files = dest_files(wine_env, dest)
    assert files["FONTS.LIB"] == mine["FONTS.LIB"]
    assert files["Notes.dtp"] == mine["Notes.dtp"]
    assert files["README"] == dist.files["README"], "other files are replaced"
    assert_installed(wine_env, dist, dest, kept=("FONTS.LIB", "Notes.dtp"))


def test_disk_question_wrong_disk_and_the_volume_appearing(wine_env, driver, help_folder):
    dist = pack(wine_env, "C:\\stages\\disk-question")
    aside = dist.volume(2).with_name("elsewhere")
    dist.volume(2).rename(aside)
    dest = "C:\\STAGES\\QUESTION"
    proc = start_to_stages(wine_env, driver, dist, dest)

    stage = driver.wait_window(caption=STAGE_CAPTION)
    question = driver.wait_message_box(caption="Glyphwork")
    assert question.text == "Please Insert Disk number 2"
    assert (question.owner, question.owner_caption) == (stage["hwnd"], STAGE_CAPTION)
    driver.screenshot("disk-question")

    driver.click(question.hwnd, IDOK)  # still missing: the wrong-disk message, then the question
    wrong = driver.answer_message_box(caption="", button=IDOK)
    assert wrong.text == WRONG_DISK
    assert wrong.owner == stage["hwnd"]
    again = driver.wait_message_box(caption="Glyphwork")
    assert again.text == "Please Insert Disk number 2"

    aside.rename(dist.volume(2))
    driver.click(again.hwnd, IDOK)
    assert finish_after_stages(driver) == SUCCESS_QUESTION
    assert driver.wait_exit(proc) == 0
    assert_installed(wine_env, dist, dest)


def test_cancel_on_the_disk_question_removes_only_this_runs_archive(wine_env, driver):
    dist = pack(wine_env, "C:\\stages\\disk-cancel")
    dist.volume(2).unlink()
    dest = "C:\\STAGES\\DISKCANCEL"
    folder = wine_env.to_unix(dest)
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "FONTS.LIB").write_bytes(b"the user's library")
    (folder / "OTHER.TXT").write_bytes(b"something else")
    proc = start_to_stages(wine_env, driver, dist, dest)
    question = driver.wait_message_box(caption="Glyphwork")
    assert (folder / ARCHIVE).exists(), "volume 1 was copied before the question"
    driver.click(question.hwnd, IDCANCEL)
    assert expect_abort(driver, proc) == 0
    assert dest_files(wine_env, dest) == {"FONTS.LIB": b"the user's library", "OTHER.TXT": b"something else"}


@pytest.fixture(scope="module")
def large_dist(wine_env):
    return pack(wine_env, "C:\\stages\\large", sizes=LARGE_PRODUCT, disk_size=LARGE_DISK, variant="Setup-Disks4.exe")


# Which stage is cancelled, the answer to the question, and what the run leaves in the folder.
CANCEL_CASES = [
    ("assembly", IDYES, "aborted"),
    ("decode", IDYES, "aborted"),
    ("assembly", IDNO, "installed"),
    ("decode", IDNO, "installed"),
]


@pytest.mark.parametrize("stage, answer, outcome", CANCEL_CASES)
def test_cancel_during_a_stage(wine_env, driver, help_folder, large_dist, stage, answer, outcome):
    dest = f"C:\\STAGES\\CANCEL-{stage.upper()}-{answer}"
    proc = start_to_stages(wine_env, driver, large_dist, dest)
    skip = ()
    if stage == "decode":
        # Let the assembly run to its end; the extraction dialog is a new window.
        frozen, first = freeze_in_stage(driver, proc)
        frozen.__exit__()
        skip = (first["hwnd"],)
    frozen, dialog = freeze_in_stage(driver, proc, skip)
    driver.click(dialog["hwnd"], IDCANCEL)  # queued while the process stands still
    frozen.__exit__()
    box = driver.answer_message_box(caption=CANCEL_CAPTION, button=answer, timeout=30)
    assert box.owner == 0
    if outcome == "aborted":
        assert expect_abort(driver, proc) == 0
        files = dest_files(wine_env, dest)
        assert ARCHIVE not in files and MAIN_EXE not in files
        assert files == {}, "nothing else was written"
    else:
        assert finish_after_stages(driver) == SUCCESS_QUESTION
        assert driver.wait_exit(proc) == 0
        assert_installed(wine_env, large_dist, dest)


def catch_bar(driver, proc, name, skip):
    """Freezes the process in a stage again and again until a screenshot shows its bar with a red
    and a white part. Returns the dialog and the pixel counts of the bar."""
    frame = None
    for attempt in range(200):
        frozen, dialog = freeze_in_stage(driver, proc, skip)
        try:
            if frame is None:
                frame = (dialog["hwnd"], driver.control(dialog["hwnd"], 101)["rect"])
            if frame[0] != dialog["hwnd"]:
                pytest.fail(f"the {name} stage ended before its bar was caught")
            shot = driver.screenshot(f"{name}-stage-{attempt}")
        finally:
            frozen.__exit__()
        left, top, right, bottom = frame[1]
        counts = bar_colours(shot, (left, top, right, bottom))
        # The percentage: black text inside the frame's black border.
        counts["text"] = sum(n for n, c in shot.image.crop((left + 2, top + 2, right - 2, bottom - 2))
                             .getcolors(maxcolors=1 << 20) if c == (0, 0, 0))
        driver.transcript.note(f"{name} {attempt}: {counts} over {frame[1]}")
        if counts["red"] and counts["white"] and counts["text"]:
            return dialog, counts
        time.sleep(0.01)
    pytest.fail(f"no screenshot of the {name} stage with both colours")


def test_screenshots_of_both_stages_show_the_bar(wine_env, driver, help_folder, large_dist):
    proc = start_to_stages(wine_env, driver, large_dist, "C:\\STAGES\\SCREENSHOTS")
    assembly, counts = catch_bar(driver, proc, "assembly", ())
    driver.transcript.note(f"assembly bar: {counts}")
    extraction, counts = catch_bar(driver, proc, "extraction", (assembly["hwnd"],))
    driver.transcript.note(f"extraction bar: {counts}")
    finish_after_stages(driver)
    assert driver.wait_exit(proc) == 0


def test_a_damaged_volume_is_refused_like_a_wrong_disk(wine_env, driver, help_folder):
    dist = pack(wine_env, "C:\\stages\\damaged-volume")
    good = dist.volume(2).read_bytes()
    damaged = bytearray(good)
    damaged[len(damaged) // 2] ^= 0x01
    dist.volume(2).write_bytes(bytes(damaged))
    dest = "C:\\STAGES\\DAMAGED"
    proc = start_to_stages(wine_env, driver, dist, dest)
    stage = driver.wait_window(caption=STAGE_CAPTION)
    wrong = driver.answer_message_box(caption="", button=IDOK)
    assert (wrong.text, wrong.owner) == (WRONG_DISK, stage["hwnd"])
    question = driver.wait_message_box(caption="Glyphwork")
    assert question.text == "Please Insert Disk number 2"
    dist.volume(2).write_bytes(good)
    driver.click(question.hwnd, IDOK)
    assert finish_after_stages(driver) == SUCCESS_QUESTION
    assert driver.wait_exit(proc) == 0
    assert_installed(wine_env, dist, dest)


def flip_byte(dist, number):
    data = bytearray(dist.volume(number).read_bytes())
    data[100] ^= 0x80
    dist.volume(number).write_bytes(bytes(data))


def truncate_without_checksums(dist):
    """An archive that ends too early, in a setup that has no checksums to notice it by."""
    strip_checksums(dist.unix / "Setup.exe")
    data = dist.volume(2).read_bytes()
    dist.volume(2).write_bytes(data[:len(data) // 2])


# How the distribution is damaged, the report's second line, and whether the archive was begun.
ERROR_CASES = {
    "missing first volume": (lambda d: d.volume(1).unlink(), r"File not found\.", False),
    "damaged first volume": (lambda d: flip_byte(d, 1),
                             r"The file Glyphwor\.001 is damaged or belongs to another distribution\.", True),
    "unsafe name": (lambda d: rename_entry(d.unix / "Setup.exe", "README", "..\\RME"),
                    r'The file catalogue of the setup program is damaged: "\.\.\\RME" holds a folder separator.*',
                    False),
    "decoded stream damaged": (lambda d: corrupt_decoded_checksum(d.unix / "Setup.exe"),
                               r"The decoded product files are damaged: the archive Glyphwor\._TB does not hold "
                               r"the packed data\.", False),
    "archive ends early": (truncate_without_checksums,
                           r"Read beyond end of file: the archive Glyphwor\._TB ends before the product "
                           r"files are complete\.", True),
}


@pytest.mark.parametrize("case", sorted(ERROR_CASES))
def test_a_broken_distribution_ends_with_the_error_report(wine_env, driver, case):
    damage, second_line, archive_begun = ERROR_CASES[case]
    folder = "C:\\stages\\broken-" + re.sub(r"\W", "-", case)
    dist = pack(wine_env, folder)
    damage(dist)
    dest = "C:\\STAGES\\BROKEN-" + re.sub(r"\W", "-", case).upper()
    proc = start_to_stages(wine_env, driver, dist, dest)
    box = driver.wait_message_box(caption="Application Error", timeout=60)
    driver.screenshot("application-error")
    first, second = box.text.split("\n")
    assert re.fullmatch(r"Exception EInOutError in module Setup\.exe at [0-9A-F]{8}\.", first)
    assert re.fullmatch(second_line, second), second
    driver.answer_message_box(caption="Application Error", button=IDOK)
    assert driver.wait_exit(proc) == 1
    files = dest_files(wine_env, dest)
    assert (ARCHIVE in files) == archive_begun
    # The report ends the program without clean-up: what the stages had written stays.
    assert (MAIN_EXE in files) == (case in ("archive ends early", "decoded stream damaged"))


@pytest.fixture
def small_drive(wine_env, tmp_path):
    """Drive E: of the prefix on a tmpfs of 128 KiB."""
    mount = tmp_path / "small-drive"
    mount.mkdir()
    result = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=128k", "tmpfs", str(mount)], capture_output=True)
    if result.returncode != 0:
        pytest.skip(f"cannot mount a tmpfs here: {result.stderr.decode().strip()}")
    link = wine_env.prefix.path / "dosdevices" / "e:"
    link.symlink_to(mount)
    yield "E:"
    link.unlink()
    subprocess.run(["umount", "-l", str(mount)], check=True)  # lazily: Wine may still hold it


def test_a_nearly_full_drive_ends_with_the_error_report(wine_env, driver, small_drive):
    # Zeros pack into a few kilobytes, so the archive fits and the decoded 400 KB do not.
    dist = pack(wine_env, "C:\\stages\\full-drive", contents={"MAIN.EXE": bytes(400000), "UnInstal.Exe": bytes(20000)},
                variant="Setup-Disks1.exe")
    proc = start_to_stages(wine_env, driver, dist, small_drive + "\\DEST")
    box = driver.wait_message_box(caption="Application Error", timeout=60)
    driver.screenshot("disk-full")
    assert box.text.split("\n")[1] == "Disk full."
    driver.answer_message_box(caption="Application Error", button=IDOK)
    assert driver.wait_exit(proc) == 1
    assert not driver.find_windows(caption="Glyphwork"), "never the success question"
