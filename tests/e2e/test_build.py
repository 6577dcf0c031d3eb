"""The shipped executables are what Windows expects: a 32-bit GUI release build that needs only
system DLLs, the 64-bit build that the other tests run, and resources exactly as designed."""
import re
import struct
import subprocess
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
BUILD = ROOT / "build"
RELEASE_SETUP = BUILD / "win32" / "bin" / "Setup.exe"
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "ole32.dll", "advapi32.dll",
               "msvcrt.dll", "oleaut32.dll", "comctl32.dll"}


def run(*args):
    return subprocess.run(list(map(str, args)), check=True, capture_output=True).stdout


@pytest.mark.parametrize("folder, kind, objdump", [
    ("win32", "PE32 executable (GUI) Intel 80386", "i686-w64-mingw32-objdump"),
    ("win64", "PE32+ executable (GUI) x86-64", "x86_64-w64-mingw32-objdump"),
])
def test_setup_executable_kind_and_imports(folder, kind, objdump):
    exe = BUILD / folder / "bin" / "Setup.exe"
    assert exe.is_file(), f"{exe} was not built"
    assert run("file", "-b", exe).decode().startswith(kind)
    dlls = {m.lower() for m in re.findall(r"DLL Name: (\S+)", run(objdump, "-p", exe).decode())}
    assert dlls - SYSTEM_DLLS == set(), "needs more than system DLLs"


class Reader:
    """Reads a classic (not extended) dialog template."""

    def __init__(self, data):
        self.data, self.pos = data, 0

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def sz_or_ord(self):
        first = self.take("H")
        if first == 0xFFFF:
            return self.take("H")
        chars = []
        while first:
            chars.append(chr(first))
            first = self.take("H")
        return "".join(chars)

    def align(self):
        self.pos = (self.pos + 3) & ~3


ATOMS = {0x80: "BUTTON", 0x81: "EDIT", 0x82: "STATIC"}


def read_template(data):
    r = Reader(data)
    style, exstyle, count, x, y, cx, cy = r.take("IIHhhhh")
    menu, cls, title = r.sz_or_ord(), r.sz_or_ord(), r.sz_or_ord()
    points, face = r.take("H"), r.sz_or_ord()
    controls = []
    for _ in range(count):
        r.align()
        cstyle, cexstyle, x, y, w, h, cid = r.take("IIhhhhH")
        ccls, text = r.sz_or_ord(), r.sz_or_ord()
        extra = r.take("H")  # length of the creation data that follows
        r.pos += extra
        controls.append((cid, ATOMS.get(ccls, ccls), cstyle, (x, y, w, h), text))
    return dict(style=style, exstyle=exstyle, size=(cx, cy), menu=menu, cls=cls, title=title,
                font=(points, face), controls=controls)


NONE = 0xFFFF
TEMPLATES = {
    "MAIN": ("Installation", (282, 111), [
        (1, "BUTTON", 0x50010001, (84, 82, 53, 14), "OK"),
        (2, "BUTTON", 0x50010000, (144, 82, 53, 14), "Cancel"),
        (104, "EDIT", 0x50810008, (20, 53, 232, 13), None),
        (NONE, "STATIC", 0x50020000, (23, 11, 236, 33),
         "Please enter the drive and directory folder where you would like Glyphwork to be located. "
         "To accept the default drive and directory simply press ENTER."),
    ]),
    "LICENSE": ("License Agreement", (267, 208), [
        (1, "BUTTON", 0x50010001, (158, 191, 50, 14), "I Agree"),
        (2, "BUTTON", 0x50010000, (211, 191, 50, 14), "Exit"),
        (101, "EDIT", 0x50010804, (10, 169, 246, 18),
         "You must agree to the terms of the above License Agreement to install and use Glyphwork. "
         "If you do not agree, click on the Exit button."),
        (102, "EDIT", 0x50010804, (8, 6, 222, 18), "IMPORTANT: Please read the following License Agreement"),
    ]),
    "GROUP": ("DIALOG_1", (184, 95), [
        (1, "BUTTON", 0x50010001, (50, 73, 39, 14), "OK"),
        (2, "BUTTON", 0x50010000, (93, 73, 41, 14), "Cancel"),
        (102, "EDIT", 0x50810000, (11, 44, 162, 12), ""),
        (101, "STATIC", 0x50020000, (12, 9, 160, 25),
         "Please enter the name of the program group that you would like Glyphwork to use. "
         "To accept the default, simply press ENTER."),
    ]),
    "IPROGRESS": ("Progress", (194, 78), [
        (2, "BUTTON", 0x50000000, (68, 55, 57, 14), "Cancel"),
        (101, "STATIC", 0x50000007, (15, 25, 164, 12), "frame"),
        (NONE, "STATIC", 0x50020000, (16, 9, 160, 8), "Installing the Glyphwork files."),
    ]),
    "PROGRESS": ("Progress", (194, 84), [
        (2, "BUTTON", 0x50000000, (68, 60, 57, 14), "Cancel"),
        (101, "STATIC", 0x50000007, (15, 25, 164, 12), "frame"),
        (NONE, "STATIC", 0x50020000, (16, 9, 160, 8), "Uncompressing the Glyphwork files:"),
    ]),
}


@pytest.mark.parametrize("name", sorted(TEMPLATES))
def test_dialog_template_is_exact(name):
    title, size, expected = TEMPLATES[name]
    raw = run("wrestool", "-x", "--raw", "--type=5", f"--name={name}", RELEASE_SETUP)
    t = read_template(raw)
    assert raw[2:4] != b"\xff\xff", "extended template; the classic format is expected"
    assert (t["style"], t["exstyle"], t["menu"], t["cls"]) == (0x90C800C0, 0, "", "")
    assert (t["title"], t["size"], t["font"]) == (title, size, (8, "MS Sans Serif"))
    for got, want in zip(t["controls"], expected):
        if want[4] is None:  # replaced at run time; any text will do
            got, want = got[:4], want[:4]
        assert got == want
    assert len(t["controls"]) == len(expected)


def test_logo_and_icon():
    listing = run("wrestool", "-l", RELEASE_SETUP).decode()
    assert re.search(r"--type=14 --name='MAINICON'", listing)
    bmp = run("wrestool", "-x", "--raw", "--type=2", "--name=LOGO", RELEASE_SETUP)
    width, height, planes, bits = struct.unpack_from("<iiHH", bmp, 4)
    assert (width, abs(height), planes, bits) == (204, 66, 1, 4)
