#include "pages/destination_entry.h"

bool HasDestinationForm(const std::string& entry) {
    if (entry.size() < 2) return false;
    // Byte comparison: a lower-case letter fails, as does anything that is not a letter.
    if (entry[0] < 'A' || entry[0] > 'Z' || entry[1] != ':') return false;
    return entry.size() == 2 || entry[2] == '\\' || entry[2] == '/';
}
