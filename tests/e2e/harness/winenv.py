"""WineEnv: a private Wine prefix plus a private Xvfb display, and the programs run in them."""
import os
import signal
import subprocess
import time
from pathlib import Path

from .prefix import WINE64, WinePrefix
from .process import WinProcess
from .xdisplay import XvfbDisplay


class WineEnv:
    """Everything one group of tests runs in. Use as a context manager: close() ends
    the programs started here, the wineserver of the prefix and Xvfb, by their ids.

    root:     a folder of its own; the prefix goes to root/prefix.
    template: an idle prefix to copy (cheap); without it a new prefix is made (~12 s).
    """

    def __init__(self, root, width: int = 800, height: int = 600, template: WinePrefix = None):
        self.root = Path(root)
        self.width = width
        self.height = height
        self._template = template
        self.display = XvfbDisplay(width, height, log_path=self.root / "xvfb.log")
        self.prefix = WinePrefix(self.root / "prefix")
        self._processes = []
        self._drivers = []
        self.setup_seconds = None

    # Life cycle

    def start(self) -> "WineEnv":
        started = time.monotonic()
        self.root.mkdir(parents=True, exist_ok=True)
        try:
            self.display.start()
            if not self.prefix.path.exists():
                if self._template is not None:
                    self._template.copy_to(self.prefix.path)
                else:
                    self.prefix.create(self.display.name)
        except BaseException:
            self.close()
            raise
        self.setup_seconds = time.monotonic() - started
        return self

    def close(self):
        for driver in self._drivers:
            driver.close(quiet=True)
        self._drivers.clear()
        for proc in self._processes:
            proc.kill()
        self._processes.clear()
        try:
            self.prefix.kill_server(self.display.name if self.display.number is not None else "")
            # Anything of this prefix that survived the wineserver's end is killed by its pid.
            for pid in self.prefix.processes():
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
        finally:
            self.display.stop()

    def __enter__(self) -> "WineEnv":
        return self.start()

    def __exit__(self, *exc):
        self.close()

    def leftovers(self) -> list:
        """Unix pids still running for this environment (should be empty after close())."""
        pids = self.prefix.processes()
        if self.display.running():
            pids.append(self.display.pid)
        return pids

    # Programs

    @property
    def env(self) -> dict:
        return self.prefix.env(self.display.name)

    def run(self, exe, args=(), cwd=None, stdin=subprocess.DEVNULL, stdout=None, stderr=None) -> WinProcess:
        """Starts a Windows program (a Unix path or a C:\\ path) with the 64-bit loader.

        cwd defaults to the program's folder. Output goes to root/programs.log unless given.
        """
        exe = str(exe)
        if cwd is None:
            unix_exe = self.prefix.to_unix(exe) if exe[1:2] == ":" else Path(exe)
            cwd = unix_exe.parent
        log = None
        if stdout is None or stderr is None:
            log = open(self.root / "programs.log", "ab")
        try:
            popen = subprocess.Popen([WINE64, exe, *map(str, args)], cwd=str(cwd), env=self.env, stdin=stdin,
                                     stdout=stdout if stdout is not None else log,
                                     stderr=stderr if stderr is not None else log)
        finally:
            if log:
                log.close()
        proc = WinProcess(popen, exe, args)
        self._processes.append(proc)
        return proc

    def driver(self, transcript=None, exe=None):
        """A GuiDriver (guidrv.exe) in this environment; ended by close() at the latest."""
        from .driver import GuiDriver
        drv = GuiDriver(self, transcript=transcript, exe=exe)
        self._drivers.append(drv)
        return drv

    def forget_driver(self, drv):
        if drv in self._drivers:
            self._drivers.remove(drv)

    # Paths and pictures

    def to_unix(self, win_path: str) -> Path:
        return self.prefix.to_unix(win_path)

    def to_windows(self, unix_path) -> str:
        return self.prefix.to_windows(unix_path)

    def screenshot(self, path):
        from .screenshots import take_screenshot
        return take_screenshot(self.display.name, path)
