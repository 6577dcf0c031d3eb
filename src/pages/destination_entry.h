// The form a destination entry must have before the folder itself is looked at.
#pragma once

#include <string>

// An upper-case drive letter and a colon, then nothing or a separator and more: "C:", "C:\",
// "C:\GLYPHWORK". Drive-relative entries such as "C:GLYPH" are refused, since they would
// name a different folder once the page has changed the current directory.
bool HasDestinationForm(const std::string& entry);
