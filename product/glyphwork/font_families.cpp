#include "font_families.h"

#include <windows.h>

#include <algorithm>

namespace {

int CALLBACK AddFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
    auto* names = reinterpret_cast<std::vector<std::string>*>(param);
    // "@" names are the same faces turned for vertical writing.
    if (font->lfFaceName[0] != '@') names->emplace_back(font->lfFaceName);
    return 1;
}

}  // namespace

std::vector<std::string> InstalledFontFamilies() {
    std::vector<std::string> names;
    HDC screen = ::GetDC(nullptr);
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;  // every family, once per script it covers
    ::EnumFontFamiliesExA(screen, &wanted, AddFamily, reinterpret_cast<LPARAM>(&names), 0);
    ::ReleaseDC(nullptr, screen);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}
