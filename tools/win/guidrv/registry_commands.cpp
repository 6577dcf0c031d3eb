// Registry access for the tests: read, write, delete and list, in the 64-bit view by default.
#include <cstdio>
#include <vector>

#include "commands.h"
#include "rtl/win_handles.h"

namespace {

HKEY Root(const std::string& name) {
  if (name == "HKCU" || name == "HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
  if (name == "HKLM" || name == "HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
  if (name == "HKCR" || name == "HKEY_CLASSES_ROOT") return HKEY_CLASSES_ROOT;
  if (name == "HKU" || name == "HKEY_USERS") return HKEY_USERS;
  throw CommandError("unknown root: " + name);
}

REGSAM View(const Args& args, size_t i) {
  if (!args.Has(i) || args.Raw(i) == "64") return KEY_WOW64_64KEY;
  if (args.Raw(i) == "32") return KEY_WOW64_32KEY;
  throw CommandError("view must be 32 or 64");
}

void Check(LSTATUS status, const char* what) {
  if (status != ERROR_SUCCESS) throw CommandError(std::string(what) + " failed: " + std::to_string(status));
}

// Opens ROOT\KEY; false when the key does not exist.
bool OpenKey(const Args& args, REGSAM access, REGSAM view, UniqueRegKey& key) {
  LSTATUS status = RegOpenKeyExW(Root(args.Raw(1)), args.Text(2).c_str(), 0, access | view, key.Receive());
  if (status == ERROR_FILE_NOT_FOUND) return false;
  Check(status, "RegOpenKeyEx");
  return true;
}

const char* TypeName(DWORD type) {
  switch (type) {
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_DWORD: return "REG_DWORD";
    case REG_QWORD: return "REG_QWORD";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_NONE: return "REG_NONE";
    default: return "REG_OTHER";
  }
}

// Strings as text (without the stored terminator), DWORD/QWORD as numbers,
// MULTI_SZ as an array, anything else as lower-case hex.
void WriteData(JsonWriter& reply, DWORD type, const std::vector<BYTE>& data) {
  reply.Field("type", TypeName(type)).Key("value");
  if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    if (type != REG_MULTI_SZ) {
      size_t end = text.find(L'\0');
      reply.String(end == std::wstring::npos ? text : text.substr(0, end));
      return;
    }
    reply.BeginArray();
    size_t start = 0;
    while (start < text.size() && text[start] != L'\0') {
      size_t end = text.find(L'\0', start);
      if (end == std::wstring::npos) end = text.size();
      reply.String(text.substr(start, end - start));
      start = end + 1;
    }
    reply.EndArray();
  } else if (type == REG_DWORD && data.size() == 4) {
    reply.Int(*reinterpret_cast<const uint32_t*>(data.data()));
  } else if (type == REG_QWORD && data.size() == 8) {
    reply.Int(*reinterpret_cast<const int64_t*>(data.data()));
  } else {
    std::string hex;
    char buf[4];
    for (BYTE b : data) {
      std::snprintf(buf, sizeof buf, "%02x", b);
      hex += buf;
    }
    reply.String(hex.c_str());
  }
}

void Get(const Args& args, JsonWriter& reply) {
  args.Need(3, "reg.get ROOT KEY NAME [VIEW]");
  UniqueRegKey key;
  if (!OpenKey(args, KEY_QUERY_VALUE, View(args, 4), key)) {
    reply.FieldBool("exists", false);
    return;
  }
  std::wstring name = args.Text(3);
  DWORD type = 0, size = 0;
  LSTATUS status = RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) {
    reply.FieldBool("exists", false);
    return;
  }
  Check(status, "RegQueryValueEx");
  std::vector<BYTE> data(size);
  Check(RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, data.data(), &size), "RegQueryValueEx");
  data.resize(size);
  reply.FieldBool("exists", true);
  WriteData(reply, type, data);
}

void Set(const Args& args, JsonWriter&) {
  args.Need(5, "reg.set ROOT KEY NAME TYPE DATA [VIEW]");
  UniqueRegKey key;
  Check(RegCreateKeyExW(Root(args.Raw(1)), args.Text(2).c_str(), 0, nullptr, 0, KEY_SET_VALUE | View(args, 6),
                        nullptr, key.Receive(), nullptr),
        "RegCreateKeyEx");
  std::wstring name = args.Text(3);
  const std::string& type = args.Raw(4);
  if (type == "REG_SZ" || type == "REG_EXPAND_SZ") {
    std::wstring text = args.Text(5);
    DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    Check(RegSetValueExW(key.Get(), name.c_str(), 0, type == "REG_SZ" ? REG_SZ : REG_EXPAND_SZ,
                         reinterpret_cast<const BYTE*>(text.c_str()), bytes),
          "RegSetValueEx");
  } else if (type == "REG_DWORD") {
    DWORD value = static_cast<DWORD>(args.Int(5));
    Check(RegSetValueExW(key.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value),
          "RegSetValueEx");
  } else {
    throw CommandError("type must be REG_SZ, REG_EXPAND_SZ or REG_DWORD");
  }
}

void DeleteValue(const Args& args, JsonWriter& reply) {
  args.Need(3, "reg.delvalue ROOT KEY NAME [VIEW]");
  UniqueRegKey key;
  bool existed = OpenKey(args, KEY_SET_VALUE, View(args, 4), key);
  if (existed) {
    LSTATUS status = RegDeleteValueW(key.Get(), args.Text(3).c_str());
    existed = status != ERROR_FILE_NOT_FOUND;
    if (existed) Check(status, "RegDeleteValue");
  }
  reply.FieldBool("existed", existed);
}

void DeleteTree(const Args& args, JsonWriter& reply) {
  args.Need(2, "reg.deltree ROOT KEY [VIEW]");
  REGSAM view = View(args, 3);
  UniqueRegKey key;
  bool existed = OpenKey(args, KEY_ALL_ACCESS, view, key);
  if (existed) {
    // Empty the key first, then remove the key itself in the chosen view.
    Check(RegDeleteTreeW(key.Get(), nullptr), "RegDeleteTree");
    key.Reset();
    Check(RegDeleteKeyExW(Root(args.Raw(1)), args.Text(2).c_str(), view, 0), "RegDeleteKeyEx");
  }
  reply.FieldBool("existed", existed);
}

void List(const Args& args, JsonWriter& reply) {
  args.Need(2, "reg.list ROOT KEY [VIEW]");
  UniqueRegKey key;
  if (!OpenKey(args, KEY_READ, View(args, 3), key)) {
    reply.FieldBool("exists", false);
    return;
  }
  reply.FieldBool("exists", true).Key("values").BeginArray();
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD nameLength = 16384, type = 0, size = 0;
    LSTATUS status = RegEnumValueW(key.Get(), i, name, &nameLength, nullptr, &type, nullptr, &size);
    if (status == ERROR_NO_MORE_ITEMS) break;
    Check(status, "RegEnumValue");
    std::vector<BYTE> data(size);
    nameLength = 16384;
    Check(RegEnumValueW(key.Get(), i, name, &nameLength, nullptr, &type, data.data(), &size), "RegEnumValue");
    data.resize(size);
    reply.BeginObject().Field("name", std::wstring(name, nameLength));
    WriteData(reply, type, data);
    reply.EndObject();
  }
  reply.EndArray().Key("subkeys").BeginArray();
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256;
    LSTATUS status = RegEnumKeyExW(key.Get(), i, name, &nameLength, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    Check(status, "RegEnumKeyEx");
    reply.String(std::wstring(name, nameLength));
  }
  reply.EndArray();
}

}  // namespace

void AddRegistryCommands(CommandTable& table) {
  table["reg.get"] = Get;
  table["reg.set"] = Set;
  table["reg.delvalue"] = DeleteValue;
  table["reg.deltree"] = DeleteTree;
  table["reg.list"] = List;
}
