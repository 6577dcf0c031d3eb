// Reading windows: top-level list, child controls, focus, text.
#include <vector>

#include "commands.h"

int64_t HandleValue(HWND hwnd) { return static_cast<int64_t>(reinterpret_cast<intptr_t>(hwnd)); }

std::wstring StoredText(HWND hwnd) {
  wchar_t buf[1024];
  int n = InternalGetWindowText(hwnd, buf, 1024);
  return std::wstring(buf, static_cast<size_t>(n > 0 ? n : 0));
}

std::wstring WindowText(HWND hwnd) {
  DWORD_PTR length = 0;
  // A short timeout: a window whose thread is busy or exiting must not stall the driver;
  // the text the system stores (captions, statics) is the fallback.
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 300, &length)) return StoredText(hwnd);
  std::vector<wchar_t> buf(length + 1);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), SMTO_ABORTIFHUNG,
                           300, &copied)) {
    return StoredText(hwnd);
  }
  return std::wstring(buf.data(), copied < buf.size() ? copied : buf.size() - 1);
}

std::wstring WindowClass(HWND hwnd) {
  wchar_t buf[256];
  int n = GetClassNameW(hwnd, buf, 256);
  return std::wstring(buf, static_cast<size_t>(n > 0 ? n : 0));
}

void WriteRect(JsonWriter& reply, const char* name, const RECT& rect) {
  reply.Key(name).BeginArray().Int(rect.left).Int(rect.top).Int(rect.right).Int(rect.bottom).EndArray();
}

namespace {

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

RECT ClientOnScreen(HWND hwnd) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  OffsetRect(&rect, origin.x, origin.y);
  return rect;
}

void ListWindows(const Args&, JsonWriter& reply) {
  std::vector<HWND> windows;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
  reply.Key("windows").BeginArray();
  for (HWND hwnd : windows) {
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(hwnd, &pid);
    HWND owner = GetWindow(hwnd, GW_OWNER);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    reply.BeginObject()
        .Field("hwnd", HandleValue(hwnd))
        .Field("caption", StoredText(hwnd))
        .Field("class", WindowClass(hwnd))
        .Field("owner", HandleValue(owner))
        .Field("owner_caption", owner ? StoredText(owner) : std::wstring())
        .Field("pid", static_cast<int64_t>(pid))
        .Field("tid", static_cast<int64_t>(tid))
        .FieldBool("visible", IsWindowVisible(hwnd))
        .FieldBool("enabled", IsWindowEnabled(hwnd));
    WriteRect(reply, "rect", rect);
    WriteRect(reply, "client", ClientOnScreen(hwnd));
    reply.EndObject();
  }
  reply.EndArray();
}

void ListControls(const Args& args, JsonWriter& reply) {
  args.Need(1, "controls HWND");
  HWND parent = args.Window(1);
  std::vector<HWND> children;
  EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&children));
  reply.Key("controls").BeginArray();
  for (HWND hwnd : children) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    reply.BeginObject()
        .Field("hwnd", HandleValue(hwnd))
        .Field("parent", HandleValue(GetParent(hwnd)))
        .Field("id", static_cast<int64_t>(GetDlgCtrlID(hwnd) & 0xFFFF))
        .Field("class", WindowClass(hwnd))
        .Field("text", WindowText(hwnd))
        .Field("style", static_cast<int64_t>(static_cast<uint32_t>(GetWindowLongW(hwnd, GWL_STYLE))))
        .Field("exstyle", static_cast<int64_t>(static_cast<uint32_t>(GetWindowLongW(hwnd, GWL_EXSTYLE))))
        .FieldBool("visible", IsWindowVisible(hwnd))
        .FieldBool("enabled", IsWindowEnabled(hwnd));
    WriteRect(reply, "rect", rect);
    reply.EndObject();
  }
  reply.EndArray();
}

void WriteWindowRef(JsonWriter& reply, const char* name, HWND hwnd) {
  reply.Key(name).BeginObject().Field("hwnd", HandleValue(hwnd));
  if (hwnd) {
    reply.Field("class", WindowClass(hwnd))
        .Field("text", WindowText(hwnd))
        .Field("id", static_cast<int64_t>(GetDlgCtrlID(hwnd) & 0xFFFF));
  }
  reply.EndObject();
}

void Focus(const Args& args, JsonWriter& reply) {
  args.Need(1, "focus HWND");
  HWND hwnd = args.Window(1);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info)) {
    throw CommandError("GetGUIThreadInfo failed: " + std::to_string(GetLastError()));
  }
  WriteWindowRef(reply, "focus", info.hwndFocus);
  WriteWindowRef(reply, "active", info.hwndActive);
  WriteWindowRef(reply, "capture", info.hwndCapture);
  WriteWindowRef(reply, "foreground", GetForegroundWindow());
}

void Text(const Args& args, JsonWriter& reply) {
  args.Need(1, "text HWND");
  reply.Field("text", WindowText(args.Window(1)));
}

}  // namespace

void AddWindowCommands(CommandTable& table) {
  table["windows"] = ListWindows;
  table["controls"] = ListControls;
  table["focus"] = Focus;
  table["text"] = Text;
}
