"""The three wizard pages through their real dialogs under Wine: the proposed destination from
the (Wine) registry, which entries the destination page takes and what it creates, the licence
page and its agreement box, and the shortcut-name page at the end of a real installation."""
import shutil
import time

import pytest

from harness import IDNO, IDOK, IDYES
from pages_support import (ABORT_MESSAGE, CANCEL_QUESTION, COMPLETION_QUESTION, DESTINATION_EDIT, GROUP, LICENSE,
                           MAIN, NAME_EDIT, UNINSTALL_KEY, accept_destination, copy_into_prefix, leave_by_cancel,
                           pack_small_distribution, programs_folder, start_setup, top_level_entries)

MAKER_KEY = "Software\\Tallowbeck"
WINDOWS_KEY = "Software\\Microsoft\\Windows\\CurrentVersion"
WS_TABSTOP, WS_EX_CLIENTEDGE = 0x00010000, 0x200


def wait_until(condition, what, timeout=10.0):
    """Polls CONDITION until it holds; fails with WHAT when it never does."""
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError(f"never happened: {what}")
        time.sleep(0.05)


@pytest.fixture
def clean_maker_key(driver):
    """No HKCU\\Software\\Tallowbeck before the test, and none left behind for the next one."""
    driver.reg_delete_tree("HKCU", MAKER_KEY)
    yield
    driver.reg_delete_tree("HKCU", MAKER_KEY)


@pytest.fixture
def scratch_folders(wine_env):
    """Folders on drive C that a test names; removed before and after it."""
    names = []

    def use(*new):
        for name in new:
            path = wine_env.to_unix("C:\\" + name)
            if path.exists():
                shutil.rmtree(path)
        names.extend(new)
        return new

    yield use
    for name in names:
        shutil.rmtree(wine_env.to_unix("C:\\" + name), ignore_errors=True)


# Proposal ------------------------------------------------------------------------------------

# case, RegDir (None: absent), ProgramFilesDir (None: deleted, "wine": as Wine set it), proposal
PROPOSALS = [
    ("from RegDir", "E:\\Fonts\\Glyphwork 2", "D:\\Programme", "E:\\Fonts\\Glyphwork 2"),
    ("empty RegDir", "", "D:\\Programme", "D:\\Programme\\Glyphwork"),
    ("no RegDir", None, "D:\\Programme", "D:\\Programme\\Glyphwork"),
    ("trailing backslash", None, "D:\\Programme\\", "D:\\Programme\\Glyphwork"),
    ("no ProgramFilesDir", None, None, "C:\\Program Files\\Glyphwork"),
]


@pytest.mark.parametrize("reg_dir, program_files, proposal", [p[1:] for p in PROPOSALS],
                         ids=[p[0] for p in PROPOSALS])
def test_proposal_from_the_registry(fresh_env, transcript, artifacts, reg_dir, program_files, proposal):
    # A prefix of its own: the Program Files folder of the machine is changed or deleted.
    driver = fresh_env.driver(transcript)
    driver.artifacts = artifacts
    driver.reg_delete_tree("HKCU", MAKER_KEY)
    if reg_dir is not None:
        driver.reg_set("HKCU", MAKER_KEY + "\\Glyphwork", "RegDir", reg_dir)
    if program_files is None:
        driver.reg_delete_value("HKLM", WINDOWS_KEY, "ProgramFilesDir")
    else:
        driver.reg_set("HKLM", WINDOWS_KEY, "ProgramFilesDir", program_files)

    proc, page = start_setup(fresh_env, driver)
    # The box upper-cases whatever it is given.
    assert driver.text(page["hwnd"], DESTINATION_EDIT) == proposal.upper()
    assert driver.focus(page["hwnd"])["focus"]["id"] == DESTINATION_EDIT
    # The key is there once the page has started; RegDir is only read, never written.
    assert driver.reg_list("HKCU", MAKER_KEY) is not None
    assert driver.reg_get("HKCU", MAKER_KEY + "\\Glyphwork", "RegDir") == reg_dir
    leave_by_cancel(driver, page, proc)


def test_destination_page_as_shown(wine_env, driver, clean_maker_key):
    proc, page = start_setup(wine_env, driver)
    assert page["caption"] == "Destination Directory"
    assert page["owner_caption"] == "Installation"
    # Centred on the 800 x 600 screen.
    left, top, right, bottom = page["rect"]
    assert (left, top) == (400 - (right - left) // 2, 300 - (bottom - top) // 2)
    driver.screenshot("destination-page")
    leave_by_cancel(driver, page, proc)


# Entries -------------------------------------------------------------------------------------

# case, folders made beforehand (on C:), entry
REJECTED = [
    ("empty", [], ""),
    ("one character", [], "C"),
    ("no drive letter", [], "1:\\GLYPHWORK"),
    # The characters just before "A" and just after "Z". (A lower-case letter cannot be tried
    # here: the box upper-cases text set with WM_SETTEXT as well as typed text.)
    ("before A", [], "@:\\GLYPHWORK"),
    ("after Z", [], "[:\\GLYPHWORK"),
    ("no colon", [], "C\\GLYPHWORK"),
    ("UNC path", [], "\\\\SERVER\\SHARE\\GLYPHWORK"),
    ("two levels missing", [], "C:\\GWPAGES_A\\B"),
    ("a file, not a folder", ["GWPAGES_FILE"], "C:\\GWPAGES_FILE\\README.TXT"),
    # A letter without a volume: the page must not take a destination that cannot be written to.
    ("drive without a volume", [], "Q:\\"),
    ("bare drive without a volume", [], "Q:"),
    # Relative to the current directory of drive C, which the page itself changes.
    ("drive-relative", [], "C:GWPAGES_REL"),
]


@pytest.mark.parametrize("folders, entry", [r[1:] for r in REJECTED], ids=[r[0] for r in REJECTED])
def test_rejected_entry_keeps_the_page(wine_env, driver, clean_maker_key, scratch_folders, folders, entry):
    scratch_folders("GWPAGES_A", "GWPAGES_REL", *folders)
    for name in folders:
        wine_env.to_unix("C:\\" + name).mkdir()
        (wine_env.to_unix("C:\\" + name) / "README.TXT").write_bytes(b"not a folder\r\n")
    before = top_level_entries(wine_env)

    proc, page = start_setup(wine_env, driver)
    accept_destination(driver, page, entry)
    # Cancel is pressed after OK; its question can only come from a page that is still open,
    # and it is handled after the OK press, so the OK press has been dealt with by then.
    driver.click(page["hwnd"], 2)
    question = driver.answer_message_box(CANCEL_QUESTION[0], IDNO)
    assert question.text == CANCEL_QUESTION[1]
    assert driver.window(page["hwnd"])["visible"]
    assert driver.text(page["hwnd"], DESTINATION_EDIT) == entry
    assert not driver.find_windows(caption=LICENSE)
    assert top_level_entries(wine_env) == before
    leave_by_cancel(driver, page, proc)


# case, folders made beforehand (on C:), entry, folders on C: that the page creates
ACCEPTED = [
    ("drive", [], "C:", []),
    ("drive root", [], "C:\\", []),
    ("new folder", [], "C:\\GWPAGES_NEW", ["GWPAGES_NEW"]),
    ("existing folder, trailing backslash", ["GWPAGES_OLD"], "C:\\GWPAGES_OLD\\", []),
    ("existing folder, two trailing backslashes", ["GWPAGES_OLD"], "C:\\GWPAGES_OLD\\\\", []),
    ("wildcard in an existing folder", ["GWPAGES_OLD"], "C:\\GWPAGES_OLD\\*.GLF", []),
]


@pytest.mark.parametrize("folders, entry, created", [a[1:] for a in ACCEPTED], ids=[a[0] for a in ACCEPTED])
def test_accepted_entry_goes_on(wine_env, driver, clean_maker_key, scratch_folders, folders, entry, created):
    scratch_folders("GWPAGES_NEW", *folders)
    for name in folders:
        wine_env.to_unix("C:\\" + name).mkdir()
    before = top_level_entries(wine_env)
    old_contents = {name: sorted(p.name for p in wine_env.to_unix("C:\\" + name).iterdir()) for name in folders}

    proc, page = start_setup(wine_env, driver)
    accept_destination(driver, page, entry)
    licence = driver.wait_window(caption=LICENSE, class_="#32770")
    assert top_level_entries(wine_env) == before | set(created)
    for name in created:
        assert wine_env.to_unix("C:\\" + name).is_dir()
    # Nothing is made inside a folder that was there (no "*.GLF" folder either).
    assert {name: sorted(p.name for p in wine_env.to_unix("C:\\" + name).iterdir()) for name in folders} \
        == old_contents
    leave_by_cancel(driver, licence, proc)


# Cancel on the destination and licence pages -------------------------------------------------

def open_licence_page(env, driver, scratch_folders):
    scratch_folders("GWPAGES_LIC")
    proc, page = start_setup(env, driver)
    accept_destination(driver, page, "C:\\GWPAGES_LIC")
    return proc, driver.wait_window(caption=LICENSE, class_="#32770")


def press_cancel(driver, page, way):
    if way == "button":
        driver.click(page["hwnd"], 2)
    elif way == "close box":
        driver.close_box(page["hwnd"])
    else:
        driver.key(page["hwnd"], way)


CANCEL_WAYS = ["button", "escape", "alt+f4", "close box"]


@pytest.mark.parametrize("way", CANCEL_WAYS)
@pytest.mark.parametrize("page_caption", [MAIN, LICENSE])
def test_cancel_asks_first(wine_env, driver, clean_maker_key, scratch_folders, page_caption, way):
    if page_caption == MAIN:
        proc, page = start_setup(wine_env, driver)
    else:
        proc, page = open_licence_page(wine_env, driver, scratch_folders)
    texts = driver.texts(page["hwnd"])

    press_cancel(driver, page, way)
    question = driver.wait_message_box(CANCEL_QUESTION[0])
    assert question.text == CANCEL_QUESTION[1]
    assert question.owner == 0  # no owner: the page behind stays enabled
    assert question.buttons == {IDYES: "&Yes", IDNO: "&No"}
    if way == "button":
        driver.screenshot(f"cancel-question-{page_caption.split()[0].lower()}")
    driver.answer_message_box(CANCEL_QUESTION[0], IDNO)
    # No: the page stays as it was.
    assert driver.window(page["hwnd"])["visible"]
    assert driver.texts(page["hwnd"]) == texts

    press_cancel(driver, page, way)
    driver.answer_message_box(CANCEL_QUESTION[0], IDYES)
    box = driver.answer_message_box(ABORT_MESSAGE[0], IDOK)
    assert box.text == ABORT_MESSAGE[1]
    assert driver.wait_exit(proc) == 0


# Licence page --------------------------------------------------------------------------------

def test_agreement_box(wine_env, driver, clean_maker_key, scratch_folders):
    proc, page = open_licence_page(wine_env, driver, scratch_folders)
    driver.screenshot("licence-page")
    controls = driver.controls(page["hwnd"])
    boxes = [c for c in controls if c["id"] == 0]
    assert len(boxes) == 1
    box = boxes[0]
    assert box["class"] == "Edit"
    assert box["style"] == 0x50200804 and not box["style"] & WS_TABSTOP
    assert box["exstyle"] == WS_EX_CLIENTEDGE
    # Placed in pixels inside the client area: 10 from the left, top and right, 80 from the bottom.
    cl, ct, cr, cb = page["client"]
    left, top, right, bottom = box["rect"]
    assert (left - cl, top - ct, cr - right, cb - bottom) == (10, 10, 10, 80)

    text = box["text"]
    assert 4500 <= len(text) <= 6000
    paragraphs = text.split("\r\n")
    assert paragraphs[-1] == "" and all(p and "\n" not in p and "\r" not in p for p in paragraphs[:-1])
    assert paragraphs[0] == "GLYPHWORK SOFTWARE LICENCE AGREEMENT"
    assert "Tallowbeck" in text and "Glyphwork" in text

    # The focus is on I Agree; Tab goes round the buttons and the two text lines, never into the box.
    assert driver.focus(page["hwnd"])["focus"]["id"] == IDOK
    visited = []
    for _ in range(5):
        current = driver.focus(page["hwnd"])["focus"]["hwnd"]
        driver.key(page["hwnd"], "tab")
        wait_until(lambda: driver.focus(page["hwnd"])["focus"]["hwnd"] != current, "the focus moves on Tab")
        visited.append(driver.focus(page["hwnd"])["focus"]["id"])
    assert visited == [2, 101, 102, IDOK, 2]
    leave_by_cancel(driver, page, proc)


# Through the stages to the shortcut-name page -----------------------------------------------

@pytest.fixture(scope="session")
def small_distribution(tmp_path_factory):
    return pack_small_distribution(tmp_path_factory.mktemp("pages-dist"))


@pytest.fixture
def installation(wine_env, driver, clean_maker_key, scratch_folders, small_distribution):
    """Runs the packed setup up to the licence page; removes what the installation left behind."""
    scratch_folders("GWPAGES_DIST", "GWPAGES_DEST")
    copy_into_prefix(wine_env, small_distribution, "C:\\GWPAGES_DIST")
    programs = programs_folder(wine_env, driver)
    shortcuts_before = set(programs.glob("*.LNK")) | set(programs.glob("*.lnk"))
    driver.reg_delete_tree("HKLM", UNINSTALL_KEY)

    proc, page = start_setup(wine_env, driver, "C:\\GWPAGES_DIST\\Setup-Disks1.exe")
    accept_destination(driver, page, "C:\\GWPAGES_DEST")
    licence = driver.wait_window(caption=LICENSE, class_="#32770")
    yield proc, licence, programs, shortcuts_before

    for link in (set(programs.glob("*.LNK")) | set(programs.glob("*.lnk"))) - shortcuts_before:
        link.unlink()
    driver.reg_delete_tree("HKLM", UNINSTALL_KEY)


def new_shortcuts(programs, before):
    return sorted(p.name for p in (set(programs.glob("*.LNK")) | set(programs.glob("*.lnk"))) - before)


def finish(driver, proc):
    """No to the completion question; the setup ends with 0."""
    box = driver.answer_message_box(COMPLETION_QUESTION[0], IDNO, timeout=30)
    assert box.text == COMPLETION_QUESTION[1]
    assert driver.wait_exit(proc) == 0


# case, name typed on the page (None: the proposal kept), shortcut file made
NAMES = [
    ("proposal kept", None, "Glyphwork.LNK"),
    ("edited name", "Tallowbeck Glyphs", "Tallowbeck Glyphs.LNK"),
    ("empty name", "", ".LNK"),
]


@pytest.mark.parametrize("typed, shortcut", [n[1:] for n in NAMES], ids=[n[0] for n in NAMES])
def test_group_page_takes_the_name(wine_env, driver, installation, typed, shortcut):
    proc, licence, programs, shortcuts_before = installation
    # Enter at once: the focus is on I Agree, so the agreement is accepted and the stages run.
    assert driver.focus(licence["hwnd"])["focus"]["id"] == IDOK
    driver.key(licence["hwnd"], "enter")
    page = driver.wait_window(caption=GROUP, class_="#32770", timeout=60)
    assert driver.text(page["hwnd"], NAME_EDIT) == "Glyphwork"
    assert driver.focus(page["hwnd"])["focus"]["id"] == IDOK
    left, top, right, bottom = page["rect"]
    assert (left, top) == (400 - (right - left) // 2, 300 - (bottom - top) // 2)
    if typed is None:
        driver.screenshot("group-page")
    else:
        driver.set_text(page["hwnd"], typed, id=NAME_EDIT)
        assert driver.text(page["hwnd"], NAME_EDIT) == typed
    driver.key(page["hwnd"], "enter")
    finish(driver, proc)
    # The folder confirmed on the destination page is where the product went.
    assert wine_env.to_unix("C:\\GWPAGES_DEST\\Glyphwork.Exe").is_file()
    assert new_shortcuts(programs, shortcuts_before) == [shortcut]
    assert driver.reg_get("HKLM", UNINSTALL_KEY, "DisplayName") == "Glyphwork"


@pytest.mark.parametrize("way", CANCEL_WAYS)
def test_group_cancel_ends_without_a_question(driver, installation, way):
    proc, licence, programs, shortcuts_before = installation
    driver.click(licence["hwnd"], IDOK)
    page = driver.wait_window(caption=GROUP, class_="#32770", timeout=60)
    press_cancel(driver, page, way)
    # A question would hold the page open; the completion question comes only after it has ended.
    driver.wait_message_box(COMPLETION_QUESTION[0], timeout=30)
    assert not driver.find_windows(caption=CANCEL_QUESTION[0])
    finish(driver, proc)
    assert new_shortcuts(programs, shortcuts_before) == []
    # The installation still completes: the uninstall entry is written.
    assert driver.reg_get("HKLM", UNINSTALL_KEY, "DisplayName") == "Glyphwork"
