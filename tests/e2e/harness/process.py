"""A Windows program started with the 64-bit Wine loader."""
import subprocess


class WinProcess:
    """The loader's Unix process; its exit code is the Windows program's exit code."""

    def __init__(self, popen: subprocess.Popen, exe: str, args):
        self.popen = popen
        self.exe = exe
        self.args = list(args)

    @property
    def pid(self) -> int:
        return self.popen.pid

    def wait(self, timeout: float = 30.0) -> int:
        """The exit code (raises subprocess.TimeoutExpired when still running)."""
        return self.popen.wait(timeout)

    def poll(self):
        return self.popen.poll()

    @property
    def returncode(self):
        return self.popen.returncode

    def kill(self):
        if self.popen.poll() is None:
            self.popen.kill()
            try:
                self.popen.wait(5)
            except subprocess.TimeoutExpired:
                pass
