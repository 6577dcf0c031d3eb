"""GuiDriver: the Python side of guidrv.exe, which drives windows as a user would.

Window and control records are the JSON objects of guidrv (see tools/win/guidrv/main.cpp):
a window has hwnd caption class owner owner_caption pid tid visible enabled rect client;
a control has hwnd parent id class text style exstyle visible enabled rect.
Rectangles are [left, top, right, bottom] in screen pixels.
"""
import json
import re
import subprocess
import time
from dataclasses import dataclass, field
from pathlib import Path

from .paths import artifacts_root, find_win_program
from .screenshots import take_screenshot

IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO = 1, 2, 3, 4, 5, 6, 7
MESSAGE_BOX_CLASS = "#32770"


class DriverError(RuntimeError):
    """guidrv refused a request, or the driver process went away."""


@dataclass
class MessageBox:
    hwnd: int
    caption: str
    text: str
    owner: int
    owner_caption: str
    buttons: dict = field(default_factory=dict)  # id -> button text


def _matches(pattern, value) -> bool:
    """None matches anything; a str must be equal; a compiled regex must match fully; a callable decides."""
    if pattern is None:
        return True
    if isinstance(pattern, re.Pattern):
        return pattern.fullmatch(value) is not None
    if callable(pattern):
        return bool(pattern(value))
    return pattern == value


class GuiDriver:
    def __init__(self, env, transcript=None, exe=None, artifacts=None):
        self.env = env
        self.transcript = transcript
        if artifacts is None:
            artifacts = transcript.path.parent if transcript is not None else artifacts_root()
        self.artifacts = Path(artifacts)
        exe = exe or find_win_program("guidrv.exe")
        self._proc = env.run(exe, stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self._baseline = None
        self.request("ping")

    # Protocol

    @staticmethod
    def _escape(field) -> str:
        text = str(field)
        return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")

    def request(self, command: str, *fields) -> dict:
        """Sends one request and returns its reply; raises DriverError on {"ok":false}."""
        line = "\t".join([command, *(self._escape(f) for f in fields)]) + "\n"
        try:
            self._proc.popen.stdin.write(line.encode("utf-8"))
            self._proc.popen.stdin.flush()
            reply = self._proc.popen.stdout.readline()
        except (BrokenPipeError, ValueError) as e:
            raise DriverError(f"guidrv is gone: {e}") from e
        if not reply:
            raise DriverError(f"guidrv ended (exit code {self._proc.poll()})")
        data = json.loads(reply)
        if not data.get("ok"):
            raise DriverError(f"{command}: {data.get('error')}")
        return data

    def close(self, quiet: bool = False):
        """Ends guidrv with "quit"."""
        if self._proc.poll() is None:
            try:
                self.request("quit")
                self._proc.wait(10)
            except (DriverError, subprocess.TimeoutExpired, OSError):
                if not quiet:
                    raise
            finally:
                self._proc.kill()
        self.env.forget_driver(self)

    def _log(self, text: str):
        if self.transcript is not None:
            self.transcript.action(text)

    # Windows

    def windows(self, visible_only: bool = True) -> list:
        """Top-level windows (visible ones by default); new ones are recorded in the transcript."""
        found = self.request("windows")["windows"]
        if visible_only:
            found = [w for w in found if w["visible"]]
        if self.transcript is not None:
            for w in found:
                if w["visible"] and not self.transcript.has_seen(w):
                    try:
                        controls = self.controls(w["hwnd"])
                    except DriverError:
                        controls = []
                    self.transcript.seen(w, controls)
        return found

    def find_windows(self, caption=None, class_=None, owner=None, pid=None, visible_only=True) -> list:
        """owner: an hwnd (int) or the owner's caption (str/regex)."""
        result = []
        for w in self.windows(visible_only):
            if not (_matches(caption, w["caption"]) and _matches(class_, w["class"])):
                continue
            if pid is not None and w["pid"] != pid:
                continue
            if isinstance(owner, int) and w["owner"] != owner:
                continue
            if owner is not None and not isinstance(owner, int) and not _matches(owner, w["owner_caption"]):
                continue
            result.append(w)
        return result

    def wait_window(self, caption=None, class_=None, owner=None, timeout: float = 10.0, pid=None,
                    settle: float = 0.1) -> dict:
        """Polls until a visible top-level window matches; returns its record.

        The record is returned once it has stayed the same (caption, place, enabled) for SETTLE
        seconds, so a dialog that centres itself in WM_INITDIALOG is seen where it ends up.
        """
        deadline = time.monotonic() + timeout
        last = None
        while True:
            found = self.find_windows(caption, class_, owner, pid)
            if found:
                if found[0] == last or settle <= 0:
                    return found[0]
                last = found[0]
                time.sleep(settle)
                continue
            last = None
            if time.monotonic() > deadline:
                seen = [(w["caption"], w["class"]) for w in self.windows()]
                raise TimeoutError(f"no window caption={caption!r} class={class_!r} owner={owner!r}; "
                                   f"visible: {seen}")
            time.sleep(0.05)

    def wait_gone(self, hwnd: int, timeout: float = 10.0):
        """Polls until HWND is no longer a visible top-level window."""
        deadline = time.monotonic() + timeout
        while any(w["hwnd"] == hwnd for w in self.windows()):
            if time.monotonic() > deadline:
                raise TimeoutError(f"window {hwnd} still there")
            time.sleep(0.05)

    def window(self, hwnd: int):
        """The top-level record of HWND, or None."""
        return next((w for w in self.windows(visible_only=False) if w["hwnd"] == hwnd), None)

    def controls(self, hwnd: int) -> list:
        return self.request("controls", hwnd)["controls"]

    def control(self, hwnd: int, id: int) -> dict:
        """The child of HWND with control id ID (16-bit; -1 means 0xFFFF)."""
        id &= 0xFFFF
        for c in self.controls(hwnd):
            if c["id"] == id:
                return c
        raise DriverError(f"window {hwnd} has no control {id}")

    def texts(self, hwnd: int, class_=None) -> list:
        """The texts of HWND's controls in their order (optionally of one class, e.g. "Static")."""
        return [c["text"] for c in self.controls(hwnd) if _matches(class_, c["class"])]

    def text(self, hwnd: int, id: int = None) -> str:
        """WM_GETTEXT of HWND, or of its control ID."""
        target = self.control(hwnd, id)["hwnd"] if id is not None else hwnd
        return self.request("text", target)["text"]

    def wait_until(self, condition, timeout: float = 5.0, interval: float = 0.05):
        """Polls CONDITION() until it gives a true value, which is returned."""
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value or time.monotonic() > deadline:
                if not value:
                    raise TimeoutError(f"condition not met within {timeout} s")
                return value
            time.sleep(interval)

    def wait_text(self, hwnd: int, id, expected: str, timeout: float = 5.0) -> str:
        """Polls the text of HWND (or its control ID) until it equals EXPECTED."""
        last = [None]

        def check():
            last[0] = self.text(hwnd, id)
            return last[0] == expected

        try:
            self.wait_until(check, timeout)
        except TimeoutError:
            raise TimeoutError(f"text is {last[0]!r}, not {expected!r}") from None
        return last[0]

    def focus(self, hwnd: int) -> dict:
        """{"focus","active","capture","foreground"} of HWND's thread, each {hwnd,class,text,id}."""
        return self.request("focus", hwnd)

    # Input

    def _target(self, hwnd: int, id):
        """(window to act on, its description for the transcript)."""
        if id is None:
            return hwnd, self._describe(hwnd)
        c = self.control(hwnd, id)
        return c["hwnd"], f'{c["class"]} {c["id"]} of {self._describe(hwnd)}'

    def set_text(self, hwnd: int, text: str, id: int = None):
        target, what = self._target(hwnd, id)
        self._log(f"set text of {what} to {text!r}")
        self.request("settext", target, text)

    def type_text(self, hwnd: int, text: str, id: int = None):
        """WM_CHAR per character (so ES_UPPERCASE and the box's width apply)."""
        target, what = self._target(hwnd, id)
        self._log(f"type {text!r} into {what}")
        self.request("type", target, text)

    def click(self, hwnd: int, id: int = None, force: bool = False):
        """BM_CLICK on button ID of dialog HWND (or on HWND itself)."""
        target, what = self._target(hwnd, id)
        self._log(f"click {what}")
        self.request("click", target, *(["force"] if force else []))

    def command(self, hwnd: int, id: int):
        """WM_COMMAND with ID posted to the dialog HWND."""
        self._log(f"WM_COMMAND {id} to {self._describe(hwnd)}")
        self.request("command", hwnd, id)

    def key(self, hwnd: int, name: str) -> dict:
        """'enter', 'escape', 'tab', 'alt+f4', ... to the focused control of HWND's dialog."""
        what = self._describe(hwnd)
        reply = self.request("key", hwnd, name)
        self._log(f"key {name} at {what} (to {reply['target_class']} {reply['target']})")
        return reply

    def press(self, name: str) -> int:
        """A real key press through SendInput ('enter', 'tab', 'alt+f4', 'a', ...): it goes to
        the focus of the foreground window, as from the keyboard. Returns the foreground hwnd."""
        reply = self.request("input", name)
        self._log(f"press {name} (foreground {self._describe(reply['foreground'])})")
        return reply["foreground"]

    def type_keys(self, text: str) -> int:
        """TEXT as real key strokes through SendInput (Shift added where needed)."""
        reply = self.request("input.text", text)
        self._log(f"type keys {text!r} (foreground {self._describe(reply['foreground'])})")
        return reply["foreground"]

    def close_box(self, hwnd: int):
        """The close box: WM_SYSCOMMAND SC_CLOSE."""
        self._log(f"close box of {self._describe(hwnd)}")
        self.request("close", hwnd)

    def post(self, hwnd: int, message: int, wparam: int = 0, lparam: int = 0):
        self._log(f"post message {message:#x}({wparam:#x}, {lparam:#x}) to {self._describe(hwnd)}")
        self.request("post", hwnd, message, wparam, lparam)

    def _describe(self, hwnd: int) -> str:
        try:
            w = self.window(hwnd)
            if w is not None:
                return f'window "{w["caption"]}"'
            return f'window {hwnd} "{self.request("text", hwnd)["text"]}"'
        except DriverError:
            return f"window {hwnd}"

    # Message boxes

    def wait_message_box(self, caption=None, timeout: float = 10.0, owner=None) -> MessageBox:
        """A visible #32770 box with CAPTION: its text (joined static texts) and buttons."""
        w = self.wait_window(caption=caption, class_=MESSAGE_BOX_CLASS, owner=owner, timeout=timeout)
        controls = self.controls(w["hwnd"])
        statics = [c["text"] for c in controls if c["class"].lower() == "static" and c["text"]]
        buttons = {c["id"]: c["text"] for c in controls if c["class"].lower() == "button"}
        return MessageBox(w["hwnd"], w["caption"], "\n".join(statics), w["owner"], w["owner_caption"], buttons)

    def answer_message_box(self, caption=None, button: int = IDOK, timeout: float = 10.0,
                           owner=None) -> MessageBox:
        """Waits for the box, presses BUTTON (IDOK, IDCANCEL, IDYES, IDNO...), waits until it is gone."""
        box = self.wait_message_box(caption, timeout, owner)
        if button not in box.buttons:
            raise DriverError(f"message box {box.caption!r} has no button {button}: {box.buttons}")
        if self.transcript is not None:
            self.transcript.message_box(box.caption, box.text, box.owner_caption,
                                        box.buttons[button].replace("&", ""))
        self.request("click", self.control(box.hwnd, button)["hwnd"])
        self.wait_gone(box.hwnd, timeout)
        return box

    # Registry (root "HKCU" or "HKLM"; view 64 or 32)

    def reg_get(self, root: str, key: str, name: str, view: int = 64):
        """The value (str, int or list), or None when the key or value is missing."""
        reply = self.request("reg.get", root, key, name, view)
        return reply["value"] if reply["exists"] else None

    def reg_get_typed(self, root: str, key: str, name: str, view: int = 64):
        """(type name, value), or None."""
        reply = self.request("reg.get", root, key, name, view)
        return (reply["type"], reply["value"]) if reply["exists"] else None

    def reg_set(self, root: str, key: str, name: str, value, type_: str = None, view: int = 64):
        """Writes REG_SZ (str), REG_DWORD (int) or type_ "REG_EXPAND_SZ"; creates the key."""
        type_ = type_ or ("REG_DWORD" if isinstance(value, int) else "REG_SZ")
        self._log(f"registry {root}\\{key} [{name}] := {value!r} ({type_})")
        self.request("reg.set", root, key, name, type_, value, view)

    def reg_delete_value(self, root: str, key: str, name: str, view: int = 64) -> bool:
        self._log(f"registry delete {root}\\{key} [{name}]")
        return self.request("reg.delvalue", root, key, name, view)["existed"]

    def reg_delete_tree(self, root: str, key: str, view: int = 64) -> bool:
        self._log(f"registry delete tree {root}\\{key}")
        return self.request("reg.deltree", root, key, view)["existed"]

    def reg_list(self, root: str, key: str, view: int = 64):
        """{"values": {name: (type, value)}, "subkeys": [...]}, or None when the key is missing."""
        reply = self.request("reg.list", root, key, view)
        if not reply["exists"]:
            return None
        return {"values": {v["name"]: (v["type"], v["value"]) for v in reply["values"]},
                "subkeys": reply["subkeys"]}

    # Shell links, processes, screen

    def read_shortcut(self, path) -> dict:
        """target workdir arguments showcmd description icon icon_index of a .lnk file,
        read through IShellLinkA, and file_showcmd from the file's header: Wine's IShellLink
        does not load the show command back (reports 1), so check file_showcmd.

        PATH is a Windows path, or a Unix path (mapped into the prefix).
        """
        return self.request("lnk.read", self._win_path(path))

    def write_shortcut(self, path, target: str, arguments: str = "", workdir: str = "", showcmd: int = 1,
                       description: str = ""):
        self.request("lnk.write", self._win_path(path), target, arguments, workdir, showcmd, description)

    def _win_path(self, path) -> str:
        text = str(path)
        return text if text[1:2] == ":" else self.env.to_windows(path)

    def processes(self) -> list:
        """Windows processes: [{"pid", "ppid", "exe"}]."""
        return self.request("procs")["processes"]

    def kill_process(self, pid: int, code: int = 1):
        self._log(f"terminate process {pid}")
        self.request("kill", pid, code)

    def screen_size(self):
        reply = self.request("metrics")
        return reply["cx"], reply["cy"]

    def screenshot(self, name: str):
        """The whole X screen as <artifacts>/<name>.png; returns a Screenshot (pixels via Pillow)."""
        shot = take_screenshot(self.env.display.name, self.artifacts / name)
        self._log(f"screenshot {shot.path.name}")
        return shot

    # Programs

    def wait_exit(self, proc, timeout: float = 30.0) -> int:
        """Waits for a program started with env.run; records its exit code."""
        code = proc.wait(timeout)
        if self.transcript is not None:
            self.transcript.exit_code(Path(proc.exe).name, code)
        return code
