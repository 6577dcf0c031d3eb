// What the uninstaller could not remove, for the closing message.
#pragma once

#include <string>
#include <vector>

struct TRemovalReport {
    std::vector<std::string> NotRemoved;  // one line each: the path and why
};
