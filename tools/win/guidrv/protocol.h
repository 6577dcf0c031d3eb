// The request side of the line protocol: one request per line, fields separated by TAB.
// Inside a field a backslash starts an escape: \\ \t \n \r and \xHH (one byte). The bytes
// of a field are UTF-8. Numbers are decimal or 0x-prefixed hexadecimal.
#pragma once

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A request that cannot be carried out; its message becomes the reply's "error".
class CommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Args {
 public:
  explicit Args(std::vector<std::string> fields) : fields_(std::move(fields)) {}

  size_t Count() const { return fields_.size(); }
  const std::string& Name() const { return fields_.at(0); }
  // Field i (the command name is field 0); throws CommandError when missing.
  const std::string& Raw(size_t i) const;
  std::wstring Text(size_t i) const;
  int64_t Int(size_t i) const;
  HWND Window(size_t i) const;  // must name an existing window
  bool Has(size_t i) const { return i < fields_.size(); }
  // Throws unless there are at least `count` fields after the name.
  void Need(size_t count, const char* usage) const;

 private:
  std::vector<std::string> fields_;
};

// Splits one request line into unescaped fields.
std::vector<std::string> SplitRequest(const std::string& line);
