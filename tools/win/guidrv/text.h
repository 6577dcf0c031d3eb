// Conversions between the UTF-8 of the protocol and the UTF-16 of the W functions.
#pragma once

#include <string>

std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);
// The process's ANSI code page is what the A functions (IShellLinkA) use.
std::string WideToAnsi(const std::wstring& wide);
std::wstring AnsiToWide(const std::string& ansi);
