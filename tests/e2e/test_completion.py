"""The end of an installation, driven through the real pages of Setup.exe over a packed product:
the Programs-folder shortcut, the uninstall entry, the completion question and the launch."""
import pytest

from harness import IDNO, IDOK, IDYES, find_win_program
from shell_support import (ENTRY_KEY, PRODUCT_PROGRAM, PRODUCT_WINDOW, PROGRAMS_KEY, QUESTION, UNINSTALL_KEY, install,
                           join_path, link_files, make_self_link, pack_distribution, programs_folder)


@pytest.fixture(scope="session")
def dist(tmp_path_factory):
    return pack_distribution(find_win_program("Setup.exe"), find_win_program(PRODUCT_PROGRAM),
                             tmp_path_factory.mktemp("packed"))


@pytest.fixture
def env_driver(fresh_env, transcript):
    """A pristine prefix of the test's own and a driver in it."""
    return fresh_env, fresh_env.driver(transcript)


def product_processes(driver):
    return [p for p in driver.processes() if p["exe"].lower() == "glyphwork.exe"]


def answer_question(driver, proc, answer, screenshot=None):
    box = driver.wait_message_box("Glyphwork", timeout=60)
    assert box.text == QUESTION
    assert box.owner == 0
    if screenshot:
        driver.screenshot(screenshot)
    driver.answer_message_box("Glyphwork", answer)
    assert driver.wait_exit(proc) == 0


# dest as typed, answer to the question
INSTALLS = [
    ("C:\\GW1", IDYES),
    ("C:\\GW2\\", IDNO),
    ("C:\\", IDNO),
]


@pytest.mark.parametrize("dest, answer", INSTALLS, ids=["folder-yes", "trailing-backslash-no", "drive-root-no"])
def test_installation_completes(env_driver, dist, dest, answer):
    env, driver = env_driver
    # The current user's uninstall key is made on the way; it must not be there before.
    driver.reg_delete_tree("HKCU", UNINSTALL_KEY)
    proc = install(env, driver, dist, dest)
    answer_question(driver, proc, answer, screenshot="completion-question")

    main_exe = join_path(dest, "Glyphwork.Exe")
    assert env.to_unix(main_exe).is_file()
    programs = programs_folder(driver)
    assert programs
    assert link_files(env, programs) == ["Glyphwork.LNK"]
    link = driver.read_shortcut(programs + "\\Glyphwork.LNK")
    assert link["target"].upper() == main_exe.upper()
    assert link["workdir"] == dest
    assert (link["arguments"], link["description"], link["icon"], link["showcmd"]) == ("", "", "", 1)

    entry = driver.reg_list("HKLM", ENTRY_KEY)
    assert entry["values"] == {"DisplayName": ("REG_SZ", "Glyphwork"),
                               "UnInstallString": ("REG_SZ", join_path(dest, "UnInstal.Exe"))}
    assert "\\\\" not in entry["values"]["UnInstallString"][1]
    assert driver.reg_list("HKCU", UNINSTALL_KEY) is not None

    if answer == IDYES:
        window = driver.wait_window(caption=PRODUCT_WINDOW, timeout=30)
        assert window["pid"] in {p["pid"] for p in product_processes(driver)}
    else:
        assert product_processes(driver) == []


def test_cancel_on_group_page_leaves_out_only_the_shortcut(env_driver, dist):
    env, driver = env_driver
    proc = install(env, driver, dist, "C:\\GW1", accept_group=False)
    answer_question(driver, proc, IDNO)
    assert link_files(env, programs_folder(driver)) == []
    assert driver.reg_get("HKLM", ENTRY_KEY, "UnInstallString") == "C:\\GW1\\UnInstal.Exe"


# name typed on the Group page, subfolder of the Programs folder made beforehand, where the
# shortcut is expected (relative to the Programs folder; None: nowhere)
NAMES = [
    ("Tools\\Glyph", "Tools", "Tools\\Glyph.LNK"),
    ("Tools\\Glyph", None, None),  # nothing makes the folder
    ("", None, ".LNK"),
]


@pytest.mark.parametrize("name, subfolder, expected", NAMES, ids=["subfolder", "no-subfolder", "empty-name"])
def test_shortcut_file_named_as_typed(env_driver, dist, name, subfolder, expected):
    env, driver = env_driver
    programs = programs_folder(driver)
    if subfolder:
        env.to_unix(programs + "\\" + subfolder).mkdir()
    proc = install(env, driver, dist, "C:\\GW1", shortcut_name=name)
    answer_question(driver, proc, IDNO)
    found = link_files(env, programs) + ["Tools\\" + n for n in link_files(env, programs + "\\Tools")]
    assert found == ([expected] if expected else [])
    assert env.to_unix(programs + "\\Tools").exists() == bool(subfolder)
    if expected:
        link = driver.read_shortcut(programs + "\\" + expected)
        assert link["target"].upper() == "C:\\GW1\\GLYPHWORK.EXE"


def long_folder(length):
    """A folder path of exactly Length characters below C:\\."""
    head = "C:\\LONG\\" + "D" * 100 + "\\"
    return head + "E" * (length - len(head))


# Length of the Programs folder; the shortcut's path adds "\Glyphwork.LNK" (14 characters).
@pytest.mark.parametrize("folder_length, saved", [(240, True), (241, False)], ids=["254-chars", "255-chars"])
def test_shortcut_path_longer_than_254_characters_is_not_saved(env_driver, dist, folder_length, saved):
    env, driver = env_driver
    programs = long_folder(folder_length)
    env.to_unix(programs).mkdir(parents=True)
    driver.reg_set("HKCU", PROGRAMS_KEY, "programs", programs)
    proc = install(env, driver, dist, "C:\\GW1")
    answer_question(driver, proc, IDNO)
    assert len(programs + "\\Glyphwork.LNK") == folder_length + 14
    assert link_files(env, programs) == (["Glyphwork.LNK"] if saved else [])
    # Either way the installation completed with its uninstall entry.
    assert driver.reg_get("HKLM", ENTRY_KEY, "DisplayName") == "Glyphwork"


def test_no_programs_folder_writes_no_shortcut_anywhere(env_driver, dist):
    env, driver = env_driver
    default_programs = programs_folder(driver)
    driver.reg_delete_value("HKCU", PROGRAMS_KEY, "programs")
    proc = install(env, driver, dist, "C:\\GW1")
    answer_question(driver, proc, IDNO)
    # Not in the setup's folder, nor in the destination (the folder current after the destination
    # page, where a bare file name would land), nor where the Programs folder was.
    assert link_files(env, "C:\\DIST") == []
    assert link_files(env, "C:\\GW1") == []
    assert link_files(env, default_programs) == []
    assert driver.reg_get("HKLM", ENTRY_KEY, "DisplayName") == "Glyphwork"


def test_second_installation_overwrites_both_values_and_keeps_others(env_driver, dist):
    env, driver = env_driver
    driver.reg_set("HKLM", ENTRY_KEY, "Publisher", "Tallowbeck")
    driver.reg_set("HKLM", ENTRY_KEY, "DisplayName", "Glyphwork 0.9")
    for dest in ("C:\\GW1", "C:\\GW2"):
        proc = install(env, driver, dist, dest)
        answer_question(driver, proc, IDNO)
    assert driver.reg_list("HKLM", ENTRY_KEY)["values"] == {
        "Publisher": ("REG_SZ", "Tallowbeck"),
        "DisplayName": ("REG_SZ", "Glyphwork"),
        "UnInstallString": ("REG_SZ", "C:\\GW2\\UnInstal.Exe"),
    }


# The key made unusable: the product's own entry, or the whole uninstall key (then nothing may be
# written directly below HKLM instead).
@pytest.mark.parametrize("broken_key", [ENTRY_KEY, UNINSTALL_KEY], ids=["entry-key", "uninstall-key"])
def test_registry_failure_ends_with_the_error_report(fresh_env, transcript, dist, broken_key):
    make_self_link(fresh_env.prefix, broken_key)
    driver = fresh_env.driver(transcript)
    proc = install(fresh_env, driver, dist, "C:\\GW1")
    box = driver.wait_message_box("Application Error", timeout=60)
    driver.screenshot("registry-error")
    first, second = box.text.split("\n")
    assert first.startswith("Exception ERegistryException in module Setup.exe at ")
    assert second == "Failed to create key Glyphwork."
    assert box.owner == 0
    driver.answer_message_box("Application Error", IDOK)
    assert driver.wait_exit(proc) == 1
    # The product and its shortcut were written before; no question was asked.
    assert fresh_env.to_unix("C:\\GW1\\Glyphwork.Exe").is_file()
    assert link_files(fresh_env, programs_folder(driver)) == ["Glyphwork.LNK"]
    assert driver.reg_list("HKLM", "Glyphwork") is None
    assert not driver.find_windows(caption="Glyphwork")
