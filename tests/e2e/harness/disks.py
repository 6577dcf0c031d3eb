"""The disk drive stand-in: C:\\DISK of the prefix holds what the drive would show."""
import shutil
from pathlib import Path


def insert_disk(env, dist: Path, number: int) -> Path:
    """Puts disk NUMBER of the distribution DIST into C:\\DISK: its volume, and on disk 1 the setup
    program too. Returns the folder (a Unix path)."""
    disk = env.prefix.drive_c / "DISK"
    disk.mkdir(exist_ok=True)
    for old in disk.glob("Glyphwor.*"):
        old.unlink()
    if number == 1:
        shutil.copyfile(dist / "Setup.exe", disk / "Setup.exe")
    shutil.copyfile(dist / f"Glyphwor.{number:03d}", disk / f"Glyphwor.{number:03d}")
    return disk
