// Builds one JSON reply line. Output is pure ASCII: every UTF-16 unit above 0x7E
// or below 0x20 is written as \uXXXX, so Python's json module gives back the exact
// Windows string (ANSI texts arrive already mapped from cp1252 by the system).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(const char* name);

  JsonWriter& String(const std::wstring& text);
  JsonWriter& String(const char* ascii);
  JsonWriter& Int(int64_t number);
  JsonWriter& Bool(bool flag);
  JsonWriter& Null();

  // Shorthands for a key followed by its value.
  JsonWriter& Field(const char* name, const std::wstring& text) { return Key(name).String(text); }
  JsonWriter& Field(const char* name, const char* ascii) { return Key(name).String(ascii); }
  JsonWriter& Field(const char* name, int64_t number) { return Key(name).Int(number); }
  JsonWriter& FieldBool(const char* name, bool flag) { return Key(name).Bool(flag); }

  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();
  void WriteString(const std::wstring& text);
  static std::wstring AsciiToWide(const char* ascii);

  std::string out_;
  std::vector<bool> hasItems_;  // one entry per open object or array
  bool afterKey_ = false;
};
