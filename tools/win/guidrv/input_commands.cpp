// Acting on windows the way input would: posted clicks, characters, keys, the close box.
#include <cctype>
#include <cstdlib>
#include <vector>

#include "commands.h"

namespace {

void Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!PostMessageW(hwnd, message, wParam, lParam)) {
    throw CommandError("PostMessage failed: " + std::to_string(GetLastError()));
  }
}

void SetText(const Args& args, JsonWriter&) {
  args.Need(2, "settext HWND TEXT");
  std::wstring text = args.Text(2);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(args.Window(1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                           2000, &result)) {
    throw CommandError("WM_SETTEXT timed out");
  }
}

void Type(const Args& args, JsonWriter&) {
  args.Need(2, "type HWND TEXT");
  HWND hwnd = args.Window(1);
  for (wchar_t c : args.Text(2)) Post(hwnd, WM_CHAR, c, 1);
}

void Click(const Args& args, JsonWriter&) {
  args.Need(1, "click HWND [force]");
  HWND button = args.Window(1);
  bool force = args.Has(2) && args.Raw(2) == "force";
  // A user cannot press what is hidden or greyed out.
  if (!force && !IsWindowVisible(button)) throw CommandError("button is not visible");
  if (!force && !IsWindowEnabled(button)) throw CommandError("button is disabled");
  Post(button, BM_CLICK, 0, 0);
}

void Command(const Args& args, JsonWriter&) {
  args.Need(2, "command HWND ID");
  HWND dialog = args.Window(1);
  int id = static_cast<int>(args.Int(2));
  HWND control = GetDlgItem(dialog, id);
  Post(dialog, WM_COMMAND, MAKEWPARAM(id & 0xFFFF, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

struct KeySpec {
  UINT vk = 0;
  bool alt = false;
};

KeySpec ParseKey(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  KeySpec key;
  if (name.rfind("alt+", 0) == 0) {
    key.alt = true;
    name = name.substr(4);
  }
  static const struct {
    const char* name;
    UINT vk;
  } named[] = {
      {"enter", VK_RETURN}, {"return", VK_RETURN}, {"escape", VK_ESCAPE}, {"esc", VK_ESCAPE},
      {"tab", VK_TAB},      {"space", VK_SPACE},   {"backspace", VK_BACK}, {"delete", VK_DELETE},
      {"home", VK_HOME},    {"end", VK_END},       {"left", VK_LEFT},      {"right", VK_RIGHT},
      {"up", VK_UP},        {"down", VK_DOWN},
  };
  for (const auto& entry : named) {
    if (name == entry.name) {
      key.vk = entry.vk;
      return key;
    }
  }
  if (name.size() >= 2 && name[0] == 'f' && std::isdigit(static_cast<unsigned char>(name[1]))) {
    int n = std::atoi(name.c_str() + 1);
    if (n >= 1 && n <= 12) {
      key.vk = VK_F1 + static_cast<UINT>(n - 1);
      return key;
    }
  }
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    key.vk = static_cast<UINT>(std::toupper(static_cast<unsigned char>(name[0])));
    return key;
  }
  throw CommandError("unknown key: " + name);
}

bool IsExtendedKey(UINT vk) {
  switch (vk) {
    case VK_DELETE: case VK_HOME: case VK_END: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
      return true;
    default:
      return false;
  }
}

// The lParam of a key message: repeat count 1, scan code, extended bit, context (Alt)
// bit, previous-state and transition bits for the release.
LPARAM KeyLParam(UINT vk, bool alt, bool up) {
  UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
  uint32_t bits = 1u | (scan & 0xFF) << 16;
  if (IsExtendedKey(vk)) bits |= 1u << 24;
  if (alt) bits |= 1u << 29;
  if (up) bits |= 3u << 30;
  return static_cast<LPARAM>(bits);
}

// The control that would get the keystroke: the thread's focus when it is the window or inside it.
HWND KeyTarget(HWND hwnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) && info.hwndFocus &&
      (info.hwndFocus == hwnd || IsChild(hwnd, info.hwndFocus))) {
    return info.hwndFocus;
  }
  return hwnd;
}

void Key(const Args& args, JsonWriter& reply) {
  args.Need(2, "key HWND NAME");
  HWND target = KeyTarget(args.Window(1));
  KeySpec key = ParseKey(args.Raw(2));
  // Alt combinations travel as WM_SYSKEY* with the context bit; DefWindowProc turns
  // Alt+F4 into SC_CLOSE for the top-level window. The Alt key's own messages are left
  // out so that its release cannot open the system menu.
  UINT down = key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  UINT up = key.alt ? WM_SYSKEYUP : WM_KEYUP;
  Post(target, down, key.vk, KeyLParam(key.vk, key.alt, false));
  Post(target, up, key.vk, KeyLParam(key.vk, key.alt, true));
  reply.Field("target", HandleValue(target)).Field("target_class", WindowClass(target));
}

// Real keyboard input through SendInput: it reaches the focus of the foreground window,
// passing through the system's key state and the target's TranslateMessage.
INPUT KeyInput(UINT vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = static_cast<WORD>(vk);
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

void Send(std::vector<INPUT>& inputs, JsonWriter& reply) {
  UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) throw CommandError("SendInput failed: " + std::to_string(GetLastError()));
  reply.Field("foreground", HandleValue(GetForegroundWindow()));
}

void SendKey(const Args& args, JsonWriter& reply) {
  args.Need(1, "input NAME");
  KeySpec key = ParseKey(args.Raw(1));
  std::vector<INPUT> inputs;
  if (key.alt) inputs.push_back(KeyInput(VK_MENU, false));
  inputs.push_back(KeyInput(key.vk, false));
  inputs.push_back(KeyInput(key.vk, true));
  if (key.alt) inputs.push_back(KeyInput(VK_MENU, true));
  Send(inputs, reply);
}

// Each character as the key (with Shift when the layout needs it) that produces it.
void SendText(const Args& args, JsonWriter& reply) {
  args.Need(1, "input.text TEXT");
  std::vector<INPUT> inputs;
  for (wchar_t c : args.Text(1)) {
    SHORT scan = VkKeyScanW(c);
    if (scan == -1 || (scan & 0x0600)) throw CommandError("no plain or shifted key types this character");
    UINT vk = scan & 0xFF;
    bool shift = (scan & 0x0100) != 0;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  }
  Send(inputs, reply);
}

void Close(const Args& args, JsonWriter&) {
  args.Need(1, "close HWND");
  Post(args.Window(1), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void PostAny(const Args& args, JsonWriter&) {
  args.Need(4, "post HWND MSG WPARAM LPARAM");
  Post(args.Window(1), static_cast<UINT>(args.Int(2)), static_cast<WPARAM>(args.Int(3)),
       static_cast<LPARAM>(args.Int(4)));
}

void SendAny(const Args& args, JsonWriter& reply) {
  args.Need(4, "send HWND MSG WPARAM LPARAM");
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(args.Window(1), static_cast<UINT>(args.Int(2)), static_cast<WPARAM>(args.Int(3)),
                           static_cast<LPARAM>(args.Int(4)), SMTO_ABORTIFHUNG, 2000, &result)) {
    throw CommandError("SendMessage timed out");
  }
  reply.Field("result", static_cast<int64_t>(result));
}

}  // namespace

void AddInputCommands(CommandTable& table) {
  table["settext"] = SetText;
  table["type"] = Type;
  table["click"] = Click;
  table["command"] = Command;
  table["key"] = Key;
  table["input"] = SendKey;
  table["input.text"] = SendText;
  table["close"] = Close;
  table["post"] = PostAny;
  table["send"] = SendAny;
}
