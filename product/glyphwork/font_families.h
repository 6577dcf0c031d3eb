// The font families installed on this computer.
#pragma once

#include <string>
#include <vector>

// Family names, sorted, each once; vertical (@) families left out.
std::vector<std::string> InstalledFontFamilies();
