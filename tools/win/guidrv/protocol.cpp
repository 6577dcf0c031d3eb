#include "protocol.h"

#include "text.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::vector<std::string> SplitRequest(const std::string& line) {
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\t') {
      fields.emplace_back();
    } else if (c == '\\' && i + 1 < line.size()) {
      char e = line[++i];
      switch (e) {
        case 't': fields.back() += '\t'; break;
        case 'n': fields.back() += '\n'; break;
        case 'r': fields.back() += '\r'; break;
        case 'x':
          if (i + 2 < line.size() && HexDigit(line[i + 1]) >= 0 && HexDigit(line[i + 2]) >= 0) {
            fields.back() += static_cast<char>(HexDigit(line[i + 1]) * 16 + HexDigit(line[i + 2]));
            i += 2;
          } else {
            throw CommandError("bad \\x escape");
          }
          break;
        default: fields.back() += e;  // covers \\ and any other escaped character
      }
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  return fields;
}

const std::string& Args::Raw(size_t i) const {
  if (i >= fields_.size()) throw CommandError("missing argument " + std::to_string(i));
  return fields_[i];
}

std::wstring Args::Text(size_t i) const { return Utf8ToWide(Raw(i)); }

int64_t Args::Int(size_t i) const {
  const std::string& s = Raw(i);
  try {
    size_t used = 0;
    int64_t value = std::stoll(s, &used, 0);
    if (used != s.size()) throw CommandError("not a number: " + s);
    return value;
  } catch (const std::logic_error&) {
    throw CommandError("not a number: " + s);
  }
}

HWND Args::Window(size_t i) const {
  HWND hwnd = reinterpret_cast<HWND>(static_cast<intptr_t>(Int(i)));
  if (!IsWindow(hwnd)) throw CommandError("no such window: " + Raw(i));
  return hwnd;
}

void Args::Need(size_t count, const char* usage) const {
  if (fields_.size() < count + 1) throw CommandError(std::string("usage: ") + usage);
}
