"""The sample product end to end: the two-disk distribution that scripts/pack-sample.sh makes is
installed through the real setup pages under Wine, Glyphwork starts and shows its window, and
UnInstal.Exe, started as the list of installed programs starts it, takes the machine back to
where it was (files, Windows help folder, Programs-menu shortcut, registry), except for files
the user put into the product folder."""
import importlib.util
import os
import subprocess
import sys
from pathlib import Path

import pytest

from harness import IDNO, IDOK, IDYES, insert_disk, win_build_dir

ROOT = Path(__file__).resolve().parents[2]
SETUP_CAPTION = "Glyphwork"
UNINSTALL_CAPTION = "Glyphwork Uninstall"
QUESTION = "Glyphwork has been successfully installed.\r\n\r\nDo you wish to run Glyphwork?"
DISK2_QUESTION = "Please Insert Disk number 2"
REMOVED = "Glyphwork has been removed from your computer."
UNINSTALL_KEY = r"Software\microsoft\windows\currentversion\uninstall"
ENTRY_KEY = UNINSTALL_KEY + r"\Glyphwork"
PROGRAMS_KEY = r"Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders"
PENDING_KEY = r"System\CurrentControlSet\Control\Session Manager"
PRODUCT_CLASS = "GlyphworkMain"


def manifest_names():
    spec = importlib.util.spec_from_file_location("manifest", ROOT / "product" / "manifest.py")
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return [item.name for item in module.read()]


NAMES = manifest_names()


@pytest.fixture(scope="module")
def sample_dist(tmp_path_factory):
    """The sample product packed for the Setup.exe of the Windows build under test."""
    out = tmp_path_factory.mktemp("sample") / "dist"
    native = Path(os.environ.get("GLYPHWORK_NATIVE_BUILD", ROOT / "build" / "native"))
    subprocess.run([str(ROOT / "scripts" / "pack-sample.sh"), str(win_build_dir() / "bin"),
                    str(native / "bin" / "mkdist"), str(out)], check=True, capture_output=True, timeout=600)
    assert sorted(p.name for p in out.iterdir()) == ["Glyphwor.001", "Glyphwor.002", "Setup.exe"]
    return out


@pytest.fixture
def env_driver(fresh_env, transcript):
    return fresh_env, fresh_env.driver(transcript)


def install(env, driver, dist, shortcut_name=None, run_product=True, dest=None):
    """Installs from disk 1 and then disk 2 into DEST, or the proposed folder; returns the folder."""
    disk = insert_disk(env, dist, 1)
    proc = env.run(env.to_windows(disk / "Setup.exe"))
    page = driver.wait_window(caption="Destination Directory", timeout=30)["hwnd"]
    if dest is not None:
        driver.set_text(page, dest, id=104)
    dest = driver.text(page, 104)
    driver.click(page, IDOK)
    driver.click(driver.wait_window(caption="License Agreement", timeout=30)["hwnd"], IDOK)
    prompt = driver.wait_message_box(SETUP_CAPTION, timeout=300)
    assert prompt.text == DISK2_QUESTION
    insert_disk(env, dist, 2)
    driver.answer_message_box(SETUP_CAPTION, IDOK)
    group = driver.wait_window(caption="Program Group", timeout=600)["hwnd"]
    if shortcut_name is not None:
        driver.set_text(group, shortcut_name, id=102)
    driver.click(group, IDOK)
    box = driver.wait_message_box(SETUP_CAPTION, timeout=60)
    assert box.text == QUESTION
    driver.answer_message_box(SETUP_CAPTION, IDYES if run_product else IDNO)
    assert driver.wait_exit(proc) == 0
    return dest


def on_disk(env, win_path):
    """The Unix path of WIN_PATH in the prefix, each part matched without regard to case as
    Windows does (the destination page upper-cases what it shows)."""
    path = env.prefix.drive_c
    for part in win_path.split("\\")[1:]:
        if not part:
            continue
        matches = [p for p in path.iterdir() if p.name.lower() == part.lower()] if path.is_dir() else []
        path = matches[0] if matches else path / part
    return path


def file_tree(env):
    """Every file and folder on drive C with its size (None for folders), the disk stand-in left out."""
    root = env.prefix.drive_c
    tree = {}
    for path in root.rglob("*"):
        rel = path.relative_to(root)
        if rel.parts[0] == "DISK":
            continue
        tree[str(rel).lower()] = None if path.is_dir() else path.stat().st_size
    return tree


def registry_state(driver):
    """What the setup program and the uninstaller touch in the registry."""
    machine = driver.reg_list("HKLM", UNINSTALL_KEY)
    return {"machine uninstall subkeys": sorted(k.lower() for k in machine["subkeys"]) if machine else None,
            "entry": driver.reg_list("HKLM", ENTRY_KEY)}


def machine_state(env, driver):
    return file_tree(env), registry_state(driver)


def programs_folder(env, driver):
    return on_disk(env, driver.reg_get("HKCU", PROGRAMS_KEY, "programs"))


def windows_help(env):
    return on_disk(env, "C:\\windows\\Help")


def uninstall(env, driver, answer=IDYES):
    """Runs the command of the uninstall entry, as the list of installed programs does; answers
    the question with ANSWER and returns the closing message's text (None after No)."""
    command = driver.reg_get("HKLM", ENTRY_KEY, "UnInstallString")
    assert command
    # Started in its own folder, which must not keep that folder from being removed.
    proc = env.run(command, cwd=on_disk(env, command.rsplit("\\", 1)[0]))
    question = driver.wait_message_box(UNINSTALL_CAPTION, timeout=30)
    assert question.text.startswith("Do you want to remove Glyphwork")
    driver.answer_message_box(UNINSTALL_CAPTION, answer)
    assert driver.wait_exit(proc) == 0
    if answer != IDYES:
        return None
    # The work goes on in the temporary copy, which reports when it is done.
    closing = driver.wait_message_box(UNINSTALL_CAPTION, timeout=120)
    driver.screenshot("uninstall-report")
    driver.answer_message_box(UNINSTALL_CAPTION, IDOK)
    driver.wait_until(lambda: not [p for p in driver.processes() if "uninstall" in p["exe"].lower()], timeout=30)
    return closing.text


def pending_deletions(driver):
    """The files Windows handles at its next start (MOVEFILE_DELAY_UNTIL_REBOOT): the value holds
    pairs of source and target, an empty target meaning delete; the driver's reading of the
    multi-string stops at the first empty string, so only the names are compared."""
    value = driver.reg_get("HKLM", PENDING_KEY, "PendingFileRenameOperations") or []
    return {name.replace("\\??\\", "").lower() for name in value if name}


def temporary_copies(tree):
    return [p for p in tree if p.endswith(".exe") and "\\temp\\glyphworkuninstall-" in p.replace("/", "\\")]


def test_install_run_and_uninstall_leave_only_the_users_files(env_driver, sample_dist):
    env, driver = env_driver
    before_files, before_registry = machine_state(env, driver)
    links_before = sorted(os.listdir(programs_folder(env, driver))) if programs_folder(env, driver).is_dir() else []

    dest = install(env, driver, sample_dist)

    # Every file of the manifest is where the setup program puts it, byte for byte as built.
    built = win_build_dir() / "bin" / "Glyphwork"
    for name in NAMES:
        placed = windows_help(env) / name if name.upper().endswith(".HLP") else on_disk(env, dest) / name
        assert placed.read_bytes() == (built / name).read_bytes(), name
    assert not (on_disk(env, dest) / "Glyphwor._TB").exists()

    # The product started and shows its window with the glyph table.
    window = driver.wait_window(caption="Glyphwork", class_=PRODUCT_CLASS, timeout=60)
    product = [p for p in driver.processes() if p["pid"] == window["pid"]]
    assert product and product[0]["exe"].lower() == "glyphwork.exe"
    fonts = [c for c in driver.controls(window["hwnd"]) if c["class"].lower() == "listbox"]
    assert fonts and fonts[0]["visible"]
    driver.screenshot("glyphwork-running")
    driver.close_box(window["hwnd"])
    driver.wait_gone(window["hwnd"], timeout=30)

    # The user keeps notes in the product folder: they must survive the uninstall.
    notes = on_disk(env, dest) / "My notes.txt"
    notes.write_bytes(b"kerning to check: AV, To, Wa\r\n")

    report = uninstall(env, driver)
    assert f"{dest} (it holds files that are not part of Glyphwork)".lower() in report.lower()

    after_files, after_registry = machine_state(env, driver)
    assert after_registry == before_registry
    assert sorted(os.listdir(programs_folder(env, driver))) == links_before
    assert not (windows_help(env) / "GLYPHWRK.HLP").exists()
    assert sorted(os.listdir(on_disk(env, dest))) == ["My notes.txt"]

    # Besides the user's notes only the temporary copy of the uninstaller is new, and Windows
    # deletes it at its next start.
    dest_rel = str(on_disk(env, dest).relative_to(env.prefix.drive_c)).lower()
    added = sorted(set(after_files) - set(before_files))
    copies = temporary_copies(added)
    assert len(copies) == 1
    assert added == sorted([dest_rel, dest_rel + "/my notes.txt", *copies])
    assert sorted(set(before_files) - set(after_files)) == []
    copy_windows = env.to_windows(env.prefix.drive_c / copies[0]).lower()
    assert copy_windows in pending_deletions(driver)


def test_renamed_shortcut_and_empty_folder_are_removed_completely(env_driver, sample_dist):
    env, driver = env_driver
    before_files, before_registry = machine_state(env, driver)

    dest = install(env, driver, sample_dist, shortcut_name="Font Tools", run_product=False)
    assert (programs_folder(env, driver) / "Font Tools.LNK").is_file()
    # The user moves the shortcut into a folder of the menu.
    moved = programs_folder(env, driver) / "Graphics"
    moved.mkdir()
    (programs_folder(env, driver) / "Font Tools.LNK").rename(moved / "Fonts.LNK")

    assert uninstall(env, driver) == REMOVED

    after_files, after_registry = machine_state(env, driver)
    assert after_registry == before_registry
    assert not on_disk(env, dest).exists()
    assert list(moved.iterdir()) == []
    added = sorted(set(after_files) - set(before_files))
    graphics = str(moved.relative_to(env.prefix.drive_c)).lower()
    assert added == sorted([graphics, *temporary_copies(added)])
    assert sorted(set(before_files) - set(after_files)) == []


def test_no_to_the_question_removes_nothing(env_driver, sample_dist):
    env, driver = env_driver
    dest = install(env, driver, sample_dist, run_product=False)
    before = machine_state(env, driver)
    assert uninstall(env, driver, answer=IDNO) is None
    assert machine_state(env, driver) == before
    assert (on_disk(env, dest) / "UnInstal.Exe").is_file()


def test_installation_into_a_drive_root_is_removed_without_the_drive(env_driver, sample_dist):
    env, driver = env_driver
    before_files, before_registry = machine_state(env, driver)
    dest = install(env, driver, sample_dist, dest="C:\\", run_product=False)
    assert (env.prefix.drive_c / "UnInstal.Exe").is_file()
    assert driver.reg_get("HKLM", ENTRY_KEY, "UnInstallString") == "C:\\UnInstal.Exe"

    assert uninstall(env, driver) == REMOVED

    after_files, after_registry = machine_state(env, driver)
    assert after_registry == before_registry
    added = sorted(set(after_files) - set(before_files))
    assert added == temporary_copies(added)
    assert sorted(set(before_files) - set(after_files)) == []
    assert dest == "C:\\"


def test_sample_catalogue_follows_the_manifest(sample_dist):
    """The packed catalogue lists the manifest's files in its order, the main executable first and
    without an entry, each as large as the build's file: the one list reached the distribution."""
    native = Path(os.environ.get("GLYPHWORK_NATIVE_BUILD", ROOT / "build" / "native"))
    listing = subprocess.run([str(native / "bin" / "mkdist"), "list", str(sample_dist / "Setup.exe")],
                             check=True, capture_output=True, text=True).stdout
    rows = [line.split() for line in listing.splitlines() if line.strip()[:1].isdigit()]
    built = win_build_dir() / "bin" / "Glyphwork"
    assert [row[1] for row in rows] == NAMES[1:]
    assert [int(row[3]) for row in rows] == [(built / name).stat().st_size for name in NAMES[1:]]
    assert f"main executable) 0 {(built / NAMES[0]).stat().st_size}" in " ".join(listing.split())


def test_data_files_are_the_same_on_every_build(tmp_path):
    generator = ROOT / "product" / "data" / "make_data.py"
    for run in ("one", "two"):
        subprocess.run([sys.executable, str(generator), str(tmp_path / run)], check=True, timeout=300)
    built = win_build_dir() / "bin" / "Glyphwork"
    for name in sorted(p.name for p in (tmp_path / "one").iterdir()):
        assert (tmp_path / "one" / name).read_bytes() == (tmp_path / "two" / name).read_bytes(), name
        assert (tmp_path / "one" / name).read_bytes() == (built / name).read_bytes(), name


def test_kept_library_of_an_earlier_installation_is_removed_with_the_product(env_driver, sample_dist):
    """The setup program keeps a USER.LIB that is already in the folder; the uninstaller cannot tell
    it from the shipped one and removes it as a product file (docs/product.md says so)."""
    env, driver = env_driver
    folder = env.prefix.drive_c / "Fonts Studio"
    folder.mkdir()
    (folder / "USER.LIB").write_bytes(b"my own glyphs")
    dest = install(env, driver, sample_dist, dest="C:\\Fonts Studio", run_product=False)
    assert (on_disk(env, dest) / "USER.LIB").read_bytes() == b"my own glyphs"
    assert uninstall(env, driver) == REMOVED
    assert not on_disk(env, dest).exists()
