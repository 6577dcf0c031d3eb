"""End-to-end test harness: Wine prefix + Xvfb (WineEnv), the GUI driver (GuiDriver),
screenshots and per-test transcripts. See tests/e2e/README.md."""
from .disks import insert_disk
from .driver import IDABORT, IDCANCEL, IDIGNORE, IDNO, IDOK, IDRETRY, IDYES, DriverError, GuiDriver, MessageBox
from .paths import artifacts_dir, artifacts_root, find_win_program, win_build_dir
from .prefix import WinePrefix
from .process import WinProcess
from .screenshots import Screenshot, take_screenshot
from .transcript import Transcript
from .winenv import WineEnv
from .xdisplay import XvfbDisplay

__all__ = [
    "DriverError", "GuiDriver", "MessageBox", "Screenshot", "Transcript", "WineEnv", "WinePrefix", "WinProcess",
    "XvfbDisplay", "artifacts_dir", "artifacts_root", "find_win_program", "insert_disk", "take_screenshot", "win_build_dir",
    "IDOK", "IDCANCEL", "IDABORT", "IDRETRY", "IDIGNORE", "IDYES", "IDNO",
]
