"""A plain-text record of one test: windows seen, actions, message boxes, exit codes."""
import time
from pathlib import Path


class Transcript:
    """Appends one line per event to PATH, flushed at once so a crash keeps what happened."""

    def __init__(self, path):
        self.path = Path(path)
        self.path.parent.mkdir(parents=True, exist_ok=True)
        self._file = open(self.path, "w", encoding="utf-8")
        self._start = time.monotonic()
        self._seen = set()

    def _write(self, kind: str, text: str):
        if self._file.closed:
            return
        stamp = time.monotonic() - self._start
        lines = text.split("\n")
        self._file.write(f"{stamp:8.3f} {kind:<8} {lines[0]}\n")
        for more in lines[1:]:
            self._file.write(f"{'':8} {'':<8}   {more}\n")
        self._file.flush()

    def note(self, text: str):
        self._write("note", text)

    def action(self, text: str):
        self._write("action", text)

    def has_seen(self, window: dict) -> bool:
        return (window["hwnd"], window["caption"]) in self._seen

    def seen(self, window: dict, controls=None) -> bool:
        """Records a window the first time it is seen with this caption; returns True then."""
        key = (window["hwnd"], window["caption"])
        if key in self._seen:
            return False
        self._seen.add(key)
        owner = f' owner "{window["owner_caption"]}"' if window.get("owner") else ""
        text = f'"{window["caption"]}" class {window["class"]}{owner} rect {window["rect"]}'
        for c in controls or []:
            text += f'\n{c["class"]} id {c["id"]}: "{_oneline(c["text"])}"'
        self._write("window", text)
        return True

    def message_box(self, caption: str, text: str, owner_caption: str, answer: str):
        owner = f'owner "{owner_caption}"' if owner_caption else "no owner"
        self._write("msgbox", f'"{caption}" ({owner}): "{_oneline(text)}" -> {answer}')

    def exit_code(self, program: str, code):
        self._write("exit", f"{program}: {code}")

    def close(self):
        if not self._file.closed:
            self._write("end", "")
            self._file.close()


def _oneline(text: str) -> str:
    return text.replace("\r", "\\r").replace("\n", "\\n")
