"""A private Xvfb display that picks its own free display number."""
import os
import select
import subprocess
import time


class XvfbDisplay:
    """Xvfb on the first free display, at WIDTHxHEIGHTx24, with no TCP listener."""

    def __init__(self, width: int = 800, height: int = 600, log_path=None):
        self.width = width
        self.height = height
        self._log_path = log_path
        self._proc = None
        self.number = None

    @property
    def name(self) -> str:
        return f":{self.number}"

    @property
    def pid(self):
        return self._proc.pid if self._proc else None

    def start(self, timeout: float = 15.0) -> "XvfbDisplay":
        read_fd, write_fd = os.pipe()
        log = open(self._log_path, "wb") if self._log_path else subprocess.DEVNULL
        try:
            # -displayfd: Xvfb finds a free display itself and writes its number to the pipe.
            self._proc = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{self.width}x{self.height}x24",
                 "-nolisten", "tcp"],
                pass_fds=(write_fd,), stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        finally:
            os.close(write_fd)
            if log is not subprocess.DEVNULL:
                log.close()
        data = b""
        deadline = time.monotonic() + timeout
        try:
            while not data.endswith(b"\n"):
                left = deadline - time.monotonic()
                ready, _, _ = select.select([read_fd], [], [], max(left, 0))
                if not ready:
                    raise TimeoutError("Xvfb did not report a display number")
                chunk = os.read(read_fd, 64)
                if not chunk:
                    raise RuntimeError(f"Xvfb exited early (code {self._proc.poll()})")
                data += chunk
        except BaseException:
            self.stop()
            raise
        finally:
            os.close(read_fd)
        self.number = int(data.strip())
        return self

    def stop(self):
        if self._proc and self._proc.poll() is None:
            self._proc.terminate()
            try:
                self._proc.wait(5)
            except subprocess.TimeoutExpired:
                self._proc.kill()
                self._proc.wait(5)
        self._proc = None

    def running(self) -> bool:
        return self._proc is not None and self._proc.poll() is None
