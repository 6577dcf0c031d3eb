"""A Wine prefix of the harness's own: creation, cheap copies, the wineserver's end."""
import os
import shutil
import subprocess
from pathlib import Path


def _first_existing(*candidates) -> str:
    for c in candidates:
        if c and Path(c).exists():
            return str(c)
    raise FileNotFoundError(f"none of {candidates} exists (install wine64)")


# Debian keeps the 64-bit loader and server off PATH.
WINE64 = _first_existing("/usr/lib/wine/wine64", shutil.which("wine64"))
WINESERVER = _first_existing("/usr/lib/wine/wineserver64", "/usr/lib/wine/wineserver", shutil.which("wineserver"))

# Binary files that Wine installs into drive_c/windows and never rewrites in place:
# a copy of the prefix links them instead of copying some 650 MB.
_LINKABLE = {".dll", ".exe", ".drv", ".sys", ".ocx", ".cpl", ".acm", ".ax", ".tlb", ".nls", ".ttf", ".fon",
             ".com", ".ds", ".msstyles", ".mui", ".vxd", ".dll16", ".exe16", ".mod", ".tsp", ".ime"}


FONT_REPLACEMENTS = {"Times New Roman": "Liberation Serif", "Arial": "Liberation Sans"}


class WinePrefix:
    """WINEPREFIX folder used with WINEARCH=win64, quiet logs and no Mono/Gecko offers."""

    def __init__(self, path):
        self.path = Path(path)

    def env(self, display: str) -> dict:
        env = dict(os.environ)
        env.update({
            "WINEPREFIX": str(self.path),
            "WINEARCH": "win64",
            "WINEDEBUG": "-all",
            # No Mono/Gecko offers; no winemenubuilder, which would copy every shortcut
            # written into the Start Menu as a .desktop file into the Unix user's home.
            "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
            "DISPLAY": display,
        })
        # The Windows programs are ANSI with code page 1252: keep Wine on an English locale.
        env.setdefault("LANG", "C.UTF-8")
        env.pop("WAYLAND_DISPLAY", None)
        return env

    @property
    def drive_c(self) -> Path:
        return self.path / "drive_c"

    def create(self, display: str, timeout: float = 120.0):
        """wineboot -i, then waits until the wineserver has gone (the prefix is then complete)."""
        env = self.env(display)
        quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run([WINE64, "wineboot", "-i"], env=env, check=True, timeout=timeout, **quiet)
        # Without a window manager, Wine waits 2 s per managed window for a withdrawn state
        # that never comes when the window goes; unmanaged windows end at once.
        subprocess.run([WINE64, "reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v", "Managed", "/d", "N",
                        "/f"], env=env, check=True, timeout=timeout, **quiet)
        # Windows' Times New Roman and Arial are not here; their metric-compatible look-alikes are.
        for face, stand_in in FONT_REPLACEMENTS.items():
            subprocess.run([WINE64, "reg", "add", "HKCU\\Software\\Wine\\Fonts\\Replacements", "/v", face,
                            "/d", stand_in, "/f"], env=env, check=True, timeout=timeout, **quiet)
        self.wait_server(display, timeout)

    def wait_server(self, display: str = "", timeout: float = 60.0):
        subprocess.run([WINESERVER, "-w"], env=self.env(display), timeout=timeout,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def kill_server(self, display: str = "", timeout: float = 30.0):
        """wineserver -k: ends every Wine process of this prefix, then the server."""
        if not self.path.exists():
            return
        subprocess.run([WINESERVER, "-k"], env=self.env(display), timeout=timeout,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self.wait_server(display, timeout)
        except subprocess.TimeoutExpired:
            pass

    def copy_to(self, dest) -> "WinePrefix":
        """A fresh prefix with this one's contents. Only copy a prefix whose wineserver has exited."""
        dest = Path(dest)
        src = self.path
        for dirpath, dirnames, filenames in os.walk(src):
            rel = Path(dirpath).relative_to(src)
            target_dir = dest / rel
            target_dir.mkdir(parents=True, exist_ok=True)
            shutil.copystat(dirpath, target_dir)
            # dosdevices holds symlinks to folders (c: -> ../drive_c, z: -> /): copy the links.
            for name in list(dirnames):
                source = Path(dirpath) / name
                if source.is_symlink():
                    os.symlink(os.readlink(source), target_dir / name)
                    dirnames.remove(name)
            linkable_dir = rel.parts[:2] == ("drive_c", "windows")
            for name in filenames:
                source = Path(dirpath) / name
                target = target_dir / name
                if source.is_symlink():
                    os.symlink(os.readlink(source), target)
                elif linkable_dir and source.suffix.lower() in _LINKABLE:
                    os.link(source, target)
                else:
                    shutil.copy2(source, target)
        return WinePrefix(dest)

    def processes(self) -> list:
        """Unix pids of the processes running with this WINEPREFIX (wineserver included)."""
        marker = f"WINEPREFIX={self.path}".encode()
        found = []
        for entry in Path("/proc").iterdir():
            if not entry.name.isdigit() or int(entry.name) == os.getpid():
                continue
            try:
                environ = (entry / "environ").read_bytes().split(b"\0")
            except OSError:
                continue
            if marker in environ:
                found.append(int(entry.name))
        return found

    # Path mapping between Windows paths in this prefix and Unix paths.

    def to_unix(self, win_path: str) -> Path:
        """C:\\x\\y -> <prefix>/drive_c/x/y; Z:\\ maps to /. Other drives are not mapped."""
        drive, _, rest = win_path.partition(":")
        parts = [p for p in rest.replace("\\", "/").split("/") if p]
        letter = drive.lower()
        if letter == "c":
            return self.drive_c.joinpath(*parts)
        if letter == "z":
            return Path("/").joinpath(*parts)
        raise ValueError(f"no mapping for drive {drive}:")

    def to_windows(self, unix_path) -> str:
        """Paths under drive_c become C:\\..., everything else Z:\\... as Wine shows them."""
        p = Path(unix_path).resolve() if not Path(unix_path).is_absolute() else Path(unix_path)
        try:
            rel = p.relative_to(self.drive_c)
            return "C:\\" + "\\".join(rel.parts)
        except ValueError:
            return "Z:\\" + "\\".join(p.parts[1:])
