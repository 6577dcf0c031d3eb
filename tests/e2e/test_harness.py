"""Tests of the end-to-end harness itself, against the small test program testapp.exe
(tools/win/guidrv/testapp) and a fresh Wine prefix."""
import re
import time

import pytest

from harness import IDNO, IDOK, IDYES, DriverError, WineEnv, find_win_program

NAVY = (0, 0, 128)
EDIT_ID, ANSI_TEXT_ID, QUIT_ID = 104, 105, 106


def start_testapp(env, driver, *args):
    proc = env.run(find_win_program("testapp.exe"), args)
    dialog = driver.wait_window(caption="Harness Test", class_="#32770", timeout=20)
    return proc, dialog


def test_dialog_window_and_texts(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    assert dialog["owner_caption"] == "Harness Backdrop"
    assert dialog["enabled"] and dialog["visible"]
    backdrop = driver.window(dialog["owner"])
    assert backdrop["rect"] == [0, 0, 800, 600]
    assert not backdrop["enabled"]  # disabled by the modal dialog

    controls = {c["id"]: c for c in driver.controls(dialog["hwnd"])}
    assert controls[IDOK]["text"] == "OK" and controls[IDOK]["style"] == 0x50010001
    assert controls[2]["text"] == "Cancel"
    # The dialog manager turns an edit's WS_BORDER into WS_EX_CLIENTEDGE, as Windows does.
    assert controls[EDIT_ID]["class"] == "Edit" and controls[EDIT_ID]["style"] == 0x50810008 & ~0x00800000
    assert controls[EDIT_ID]["exstyle"] & 0x200
    assert controls[EDIT_ID]["text"] == "C:\\START"  # template text, upper-cased by the edit
    assert controls[0xFFFF]["text"] == "Type a name and press ENTER."
    # cp1252 bytes e9 and 80 arrive as e-acute and the euro sign.
    assert controls[ANSI_TEXT_ID]["text"] == "Caf\u00e9 \u20ac 5"
    assert driver.texts(dialog["hwnd"], class_="Static")[0] == "Type a name and press ENTER."
    # Control rectangles are in screen pixels, inside the dialog.
    left, top, right, bottom = dialog["rect"]
    cl, ct, cr, cb = controls[IDOK]["rect"]
    assert left <= cl < cr <= right and top <= ct < cb <= bottom

    driver.command(dialog["hwnd"], QUIT_ID)
    assert driver.wait_exit(proc) == 30


def test_focus_and_tab(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    info = driver.focus(dialog["hwnd"])
    assert info["focus"]["id"] == EDIT_ID
    assert info["active"]["hwnd"] == dialog["hwnd"]
    assert info["foreground"]["hwnd"] == dialog["hwnd"]
    driver.key(dialog["hwnd"], "tab")  # tab order follows the template: edit -> static (no stop) -> OK
    deadline = time.monotonic() + 5
    while driver.focus(dialog["hwnd"])["focus"]["id"] == EDIT_ID and time.monotonic() < deadline:
        time.sleep(0.05)
    assert driver.focus(dialog["hwnd"])["focus"]["id"] == IDOK
    driver.command(dialog["hwnd"], QUIT_ID)
    assert driver.wait_exit(proc) == 30


def test_type_upper_case_click_ok_and_answer_yes(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    hwnd = dialog["hwnd"]
    driver.set_text(hwnd, "", id=EDIT_ID)
    driver.type_text(hwnd, "d:\\glyph x", id=EDIT_ID)
    driver.wait_text(hwnd, EDIT_ID, "D:\\GLYPH X")
    driver.click(hwnd, IDOK)
    box = driver.answer_message_box("Harness Answer", IDYES)
    assert box.text == "Accept D:\\GLYPH X?"
    assert box.owner == hwnd and box.owner_caption == "Harness Test"
    assert box.buttons == {IDYES: "&Yes", IDNO: "&No"}
    assert driver.wait_exit(proc) == 10
    assert "Harness Answer" in driver.transcript.path.read_text()


def test_set_text_round_trips_cp1252(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    driver.set_text(dialog["hwnd"], "Gr\u00fc\u00dfe \u20ac", id=ANSI_TEXT_ID)
    assert driver.text(dialog["hwnd"], ANSI_TEXT_ID) == "Gr\u00fc\u00dfe \u20ac"
    driver.command(dialog["hwnd"], QUIT_ID)
    assert driver.wait_exit(proc) == 30


def test_enter_and_escape_reach_the_dialog(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    hwnd = dialog["hwnd"]
    driver.key(hwnd, "enter")  # the default button
    box = driver.answer_message_box("Harness Answer", IDNO)
    assert box.text == "Accept C:\\START?"
    assert driver.window(hwnd) is not None  # No leaves the dialog open
    driver.key(hwnd, "escape")  # IDCANCEL: an ownerless question
    box = driver.answer_message_box("Exit Testapp", IDYES)
    assert box.owner == 0 and box.text == "Exit the test?"
    assert driver.wait_exit(proc) == 20


def test_alt_f4_and_close_box_take_the_cancel_path(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    hwnd = dialog["hwnd"]
    driver.key(hwnd, "alt+f4")
    driver.answer_message_box("Exit Testapp", IDNO)
    driver.close_box(hwnd)
    driver.answer_message_box("Exit Testapp", IDYES)
    assert driver.wait_exit(proc) == 20


def test_click_refuses_disabled_button(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    # The backdrop is disabled while the modal dialog runs.
    with pytest.raises(DriverError, match="disabled"):
        driver.click(dialog["owner"])
    driver.command(dialog["hwnd"], QUIT_ID)
    assert driver.wait_exit(proc) == 30


def test_exit_code_of_a_program(wine_env, driver):
    proc = wine_env.run(find_win_program("testapp.exe"), ["exit=42"])
    assert driver.wait_exit(proc) == 42


def test_processes_list_the_program(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    names = {p["exe"].lower() for p in driver.processes()}
    assert "testapp.exe" in names and "guidrv.exe" in names
    driver.command(dialog["hwnd"], QUIT_ID)
    assert driver.wait_exit(proc) == 30


def test_registry_write_read_delete(wine_env, driver):
    key = "Software\\GlyphworkHarnessTest"
    driver.reg_delete_tree("HKCU", key)
    assert driver.reg_get("HKCU", key, "Name") is None
    driver.reg_set("HKCU", key, "Name", "Caf\u00e9")
    driver.reg_set("HKCU", key, "Path", "%WINDIR%\\x", type_="REG_EXPAND_SZ")
    driver.reg_set("HKCU", key + "\\Sub", "Count", 7)
    assert driver.reg_get_typed("HKCU", key, "Name") == ("REG_SZ", "Caf\u00e9")
    assert driver.reg_get_typed("HKCU", key, "Path") == ("REG_EXPAND_SZ", "%WINDIR%\\x")
    assert driver.reg_get_typed("HKCU", key + "\\Sub", "Count") == ("REG_DWORD", 7)
    listing = driver.reg_list("HKCU", key)
    assert set(listing["values"]) == {"Name", "Path"} and listing["subkeys"] == ["Sub"]
    assert driver.reg_delete_value("HKCU", key, "Name") is True
    assert driver.reg_get("HKCU", key, "Name") is None
    assert driver.reg_delete_tree("HKCU", key) is True
    assert driver.reg_list("HKCU", key) is None

    driver.reg_set("HKLM", "Software\\GlyphworkHarnessTest", "X", "1")
    assert driver.reg_get("HKLM", "Software\\GlyphworkHarnessTest", "X") == "1"
    assert driver.reg_delete_tree("HKLM", "Software\\GlyphworkHarnessTest")


def test_registry_values_of_a_fresh_prefix(wine_env, driver):
    program_files = driver.reg_get("HKLM", "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir")
    assert program_files == "C:\\Program Files"
    programs = driver.reg_get("HKCU", "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                              "Programs")
    assert programs and programs.lower().endswith("\\start menu\\programs")
    assert wine_env.to_unix(programs).is_dir()


def test_shortcut_write_and_read(wine_env, driver):
    link = wine_env.to_unix("C:\\harness\\Glyph Test.lnk")
    link.parent.mkdir(parents=True, exist_ok=True)
    driver.write_shortcut(link, "C:\\Glyphwork\\GLYPH.EXE", arguments="/x", workdir="C:\\Glyphwork", showcmd=3,
                          description="Glyphwork")
    info = driver.read_shortcut("C:\\harness\\Glyph Test.lnk")
    assert info["target"] == "C:\\Glyphwork\\GLYPH.EXE"
    assert info["workdir"] == "C:\\Glyphwork"
    assert info["arguments"] == "/x"
    assert info["file_showcmd"] == 3  # Wine's IShellLink reports "showcmd" 1 whatever is stored
    assert info["description"] == "Glyphwork"
    assert driver.read_shortcut(link) == info  # a Unix path is mapped into the prefix


def test_screenshot_pixels(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    time.sleep(0.3)  # let the backdrop paint
    shot = driver.screenshot("testapp")
    assert shot.path.is_file() and shot.size == (800, 600)
    assert shot.pixel(5, 5) == NAVY
    assert shot.pixel(795, 595) == NAVY
    left, top, right, bottom = dialog["rect"]
    assert NAVY not in shot.colours(left + 10, top + 30, right - 10, bottom - 10)
    driver.command(dialog["hwnd"], QUIT_ID)
    assert driver.wait_exit(proc) == 30


def test_paths_map_both_ways(wine_env):
    unix = wine_env.to_unix("C:\\Program Files\\Glyphwork\\A.EXE")
    assert unix == wine_env.prefix.drive_c / "Program Files" / "Glyphwork" / "A.EXE"
    assert wine_env.to_windows(unix) == "C:\\Program Files\\Glyphwork\\A.EXE"
    assert wine_env.to_windows("/tmp/x/y") == "Z:\\tmp\\x\\y"
    assert str(wine_env.to_unix("Z:\\tmp\\x")) == "/tmp/x"


@pytest.mark.parametrize("width,height", [(1024, 768), (640, 480)])
def test_other_screen_sizes(screen_env, transcript, width, height):
    env = screen_env(width, height)
    drv = env.driver(transcript)
    assert drv.screen_size() == (width, height)
    proc, dialog = start_testapp(env, drv)
    assert drv.window(dialog["owner"])["rect"] == [0, 0, width, height]
    shot = drv.screenshot(f"screen-{width}x{height}")
    assert shot.size == (width, height)
    drv.command(dialog["hwnd"], QUIT_ID)
    assert drv.wait_exit(proc) == 30


def test_teardown_leaves_no_process(wine_template, tmp_path, transcript):
    env = WineEnv(tmp_path / "env", 800, 600, template=wine_template)
    with env:
        drv = env.driver(transcript)
        proc, dialog = start_testapp(env, drv)
        xvfb_pid = env.display.pid
        assert env.leftovers()  # wineserver, the program, the driver, Xvfb
    assert env.leftovers() == []
    assert proc.poll() is not None
    with pytest.raises(ProcessLookupError):
        import os
        os.kill(xvfb_pid, 0)


def test_driver_round_trip_time(driver, transcript):
    started = time.monotonic()
    for _ in range(100):
        driver.request("ping")
    ping = (time.monotonic() - started) / 100
    started = time.monotonic()
    for _ in range(20):
        driver.request("windows")
    listing = (time.monotonic() - started) / 20
    transcript.note(f"round trip: ping {ping * 1000:.2f} ms, windows {listing * 1000:.2f} ms")
    assert ping < 0.05


def test_wait_window_times_out_with_what_is_visible(driver):
    with pytest.raises(TimeoutError, match="no window"):
        driver.wait_window(caption=re.compile("Nothing Like This.*"), timeout=0.3)


def test_transcript_records_windows_actions_boxes_and_exit(wine_env, driver, transcript):
    proc, dialog = start_testapp(wine_env, driver)
    driver.type_text(dialog["hwnd"], "q", id=EDIT_ID)
    driver.key(dialog["hwnd"], "enter")
    driver.answer_message_box("Harness Answer", IDYES)
    driver.wait_exit(proc)
    text = transcript.path.read_text()
    assert 'window   "Harness Test" class #32770 owner "Harness Backdrop"' in text
    assert 'Edit id 104: "' in text and 'Static id 105: "Caf\u00e9 \u20ac 5"' in text
    assert "type 'q' into" in text and "key enter at" in text
    assert 'msgbox   "Harness Answer" (owner "Harness Test"): "Accept ' in text and "-> Yes" in text
    assert "exit     testapp.exe: 10" in text


def test_real_keyboard_input_reaches_the_foreground_dialog(wine_env, driver):
    proc, dialog = start_testapp(wine_env, driver)
    hwnd = dialog["hwnd"]
    assert driver.focus(hwnd)["foreground"]["hwnd"] == hwnd
    driver.set_text(hwnd, "", id=EDIT_ID)
    driver.type_keys("dir\\A")
    driver.wait_text(hwnd, EDIT_ID, "DIR\\A")
    driver.press("tab")
    driver.wait_until(lambda: driver.focus(hwnd)["focus"]["id"] == IDOK)
    driver.press("enter")
    box = driver.answer_message_box("Harness Answer", IDNO)
    assert box.text == "Accept DIR\\A?"
    driver.press("alt+f4")
    driver.answer_message_box("Exit Testapp", IDYES)
    assert driver.wait_exit(proc) == 20
