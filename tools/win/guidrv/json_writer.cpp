#include "json_writer.h"

#include <cstdio>

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!hasItems_.empty()) {
    if (hasItems_.back()) out_ += ',';
    hasItems_.back() = true;
  }
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  hasItems_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  out_ += '}';
  hasItems_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  hasItems_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  out_ += ']';
  hasItems_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::Key(const char* name) {
  BeforeValue();
  WriteString(AsciiToWide(name));
  out_ += ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(const std::wstring& text) {
  BeforeValue();
  WriteString(text);
  return *this;
}

void JsonWriter::WriteString(const std::wstring& text) {
  out_ += '"';
  for (wchar_t c : text) {
    switch (c) {
      case L'"': out_ += "\\\""; break;
      case L'\\': out_ += "\\\\"; break;
      case L'\n': out_ += "\\n"; break;
      case L'\r': out_ += "\\r"; break;
      case L'\t': out_ += "\\t"; break;
      default:
        if (c < 0x20 || c > 0x7E) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c) & 0xFFFF);
          out_ += buf;
        } else {
          out_ += static_cast<char>(c);
        }
    }
  }
  out_ += '"';
}

std::wstring JsonWriter::AsciiToWide(const char* ascii) {
  std::wstring wide;
  for (const char* p = ascii; *p; ++p) wide += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  return wide;
}

JsonWriter& JsonWriter::String(const char* ascii) { return String(AsciiToWide(ascii)); }

JsonWriter& JsonWriter::Int(int64_t number) {
  BeforeValue();
  out_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool flag) {
  BeforeValue();
  out_ += flag ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
  return *this;
}
