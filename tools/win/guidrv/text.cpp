#include "text.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
  return out;
}

std::string FromWide(UINT codePage, const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

std::wstring Utf8ToWide(const std::string& utf8) { return ToWide(CP_UTF8, utf8); }
std::string WideToUtf8(const std::wstring& wide) { return FromWide(CP_UTF8, wide); }
std::string WideToAnsi(const std::wstring& wide) { return FromWide(CP_ACP, wide); }
std::wstring AnsiToWide(const std::string& ansi) { return ToWide(CP_ACP, ansi); }
