#include "pages/path_helpers.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

bool HasWildcard(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }
