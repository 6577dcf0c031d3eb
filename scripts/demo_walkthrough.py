#!/usr/bin/env python3
"""Walks through a Glyphwork installation by itself on a virtual display and photographs each step.

    scripts/demo_walkthrough.py DIST_DIR OUT_DIR [--win-build BUILD] [--keep-prefix]

DIST_DIR holds Setup.exe and the volumes (scripts/pack-sample.sh makes it). A private Wine prefix
and an Xvfb display are made under OUT_DIR/wine and removed again at the end; the guidrv.exe of
BUILD (default build/win64) drives the real windows as a user would: disk 1 in the drive stand-in
C:\\DISK, the proposed folder accepted, the licence agreed to, disk 2 put in when asked for, the
group name accepted, Yes to starting Glyphwork; then the product is shown, and UnInstal.Exe
removes it again. Each step is saved as OUT_DIR/NN-step.png.
"""
import argparse
import os
import shutil
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

from harness import IDOK, IDYES, Transcript, WineEnv, insert_disk  # noqa: E402

SETUP_CAPTION = "Glyphwork"
UNINSTALL_CAPTION = "Glyphwork Uninstall"


class Walkthrough:
    def __init__(self, env, out: Path):
        self.env = env
        self.out = out
        self.transcript = Transcript(out / "transcript.txt")
        self.driver = env.driver(self.transcript)
        self.driver.artifacts = out
        self.shots = 0

    def shot(self, name: str, settle: float = 0.3):
        # A moment for the newest window to paint itself; the pictures are not checked.
        time.sleep(settle)
        self.shots += 1
        path = self.driver.screenshot(f"{self.shots:02d}-{name}").path
        print(f"  {path.name}")

    def install(self, dist: Path) -> None:
        d = self.driver
        print("installing")
        disk = insert_disk(self.env, dist, 1)
        setup = self.env.run(self.env.to_windows(disk / "Setup.exe"))
        page = d.wait_window(caption="Destination Directory", timeout=60)["hwnd"]
        self.shot("destination")
        d.click(page, IDOK)
        licence = d.wait_window(caption="License Agreement", timeout=30)["hwnd"]
        self.shot("licence")
        d.click(licence, IDOK)
        # Disk 1 is copied in a blink; the question for disk 2 comes over the stage's bar.
        d.wait_message_box(SETUP_CAPTION, timeout=300)
        self.shot("insert-disk-2")
        insert_disk(self.env, dist, 2)
        d.answer_message_box(SETUP_CAPTION, IDOK)
        group = d.wait_window(caption="Program Group", timeout=600)["hwnd"]
        self.shot("program-group")
        d.click(group, IDOK)
        d.wait_message_box(SETUP_CAPTION, timeout=60)
        self.shot("completion")
        d.answer_message_box(SETUP_CAPTION, IDYES)
        if d.wait_exit(setup, timeout=60) != 0:
            raise SystemExit("the setup program did not end with 0")

    def show_product(self) -> None:
        d = self.driver
        print("running Glyphwork")
        window = d.wait_window(caption="Glyphwork", class_="GlyphworkMain", timeout=60)
        self.shot("glyphwork")
        # A click into the glyph table (a cell of its fifth row on the 800x600 screen) makes the
        # status line show that glyph's code.
        point = self._client_point(window["client"], 329, 317)
        d.post(window["hwnd"], 0x0201, 1, point)  # WM_LBUTTONDOWN
        d.post(window["hwnd"], 0x0202, 0, point)  # WM_LBUTTONUP
        self.shot("glyphwork-glyph", settle=0.5)
        d.close_box(window["hwnd"])
        d.wait_gone(window["hwnd"], timeout=30)

    @staticmethod
    def _client_point(client, screen_x, screen_y):
        # The mouse message's lParam: client coordinates of a screen point.
        return ((screen_y - client[1]) << 16) | (screen_x - client[0])

    def on_disk(self, win_path: str) -> Path:
        # Windows names match without regard to case; the destination page upper-cases the folder.
        path = self.env.prefix.drive_c
        for part in win_path.split("\\")[1:]:
            matches = [p for p in path.iterdir() if p.name.lower() == part.lower()] if path.is_dir() else []
            path = matches[0] if matches else path / part
        return path

    def uninstall(self) -> None:
        d = self.driver
        print("uninstalling")
        command = d.reg_get("HKLM", r"Software\microsoft\windows\currentversion\uninstall\Glyphwork",
                            "UnInstallString")
        proc = self.env.run(command, cwd=self.on_disk(command.rsplit("\\", 1)[0]))
        d.wait_message_box(UNINSTALL_CAPTION, timeout=30)
        self.shot("uninstall-question")
        d.answer_message_box(UNINSTALL_CAPTION, IDYES)
        d.wait_exit(proc, timeout=60)
        d.wait_message_box(UNINSTALL_CAPTION, timeout=120)
        self.shot("uninstall-done")
        d.answer_message_box(UNINSTALL_CAPTION, IDOK)
        d.wait_until(lambda: not [p for p in d.processes() if "uninstall" in p["exe"].lower()], timeout=30)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dist", type=Path)
    parser.add_argument("out", type=Path)
    parser.add_argument("--win-build", type=Path, default=ROOT / "build" / "win64")
    parser.add_argument("--keep-prefix", action="store_true", help="leave the Wine prefix in OUT/wine")
    args = parser.parse_args()
    os.environ["GLYPHWORK_WIN_BUILD"] = str(args.win_build.resolve())
    out = args.out.resolve()
    out.mkdir(parents=True, exist_ok=True)
    for old in out.glob("[0-9][0-9]-*.png"):
        old.unlink()
    wine_root = out / "wine"
    if wine_root.exists():
        shutil.rmtree(wine_root)

    print("starting Wine on a virtual 800x600 display (the first start makes a prefix, ~15 s)")
    with WineEnv(wine_root, 800, 600) as env:
        walk = Walkthrough(env, out)
        try:
            walk.install(args.dist.resolve())
            walk.show_product()
            walk.uninstall()
        finally:
            walk.transcript.close()
    if not args.keep_prefix:
        shutil.rmtree(wine_root, ignore_errors=True)
    print(f"{walk.shots} screenshots in {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
