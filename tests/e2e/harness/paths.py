"""Where the harness finds the Windows build and puts its artefacts."""
import os
import re
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[3]


def win_build_dir() -> Path:
    """The Windows build folder: $GLYPHWORK_WIN_BUILD, default <repo>/build/win64."""
    return Path(os.environ.get("GLYPHWORK_WIN_BUILD", REPO_ROOT / "build" / "win64"))


def find_win_program(name: str) -> Path:
    """Finds NAME (e.g. "guidrv.exe", "Setup.exe") in the Windows build folder.

    Looks in bin/ first, then the folder itself, then anywhere below it.
    """
    root = win_build_dir()
    for candidate in (root / "bin" / name, root / name):
        if candidate.is_file():
            return candidate
    found = sorted(p for p in root.rglob(name) if p.is_file() and "CMakeFiles" not in p.parts)
    if found:
        return found[0]
    raise FileNotFoundError(f"{name} not found under {root} (set GLYPHWORK_WIN_BUILD)")


def artifacts_root() -> Path:
    """$GLYPHWORK_ARTIFACTS, default <repo>/artifacts."""
    return Path(os.environ.get("GLYPHWORK_ARTIFACTS", REPO_ROOT / "artifacts"))


def artifacts_dir(test_name: str) -> Path:
    """A folder of its own for one test's screenshots and transcript."""
    safe = re.sub(r"[^A-Za-z0-9_.-]+", "_", test_name).strip("_") or "test"
    path = artifacts_root() / safe
    path.mkdir(parents=True, exist_ok=True)
    return path
