// Where a command writes: results to Out, warnings and errors to Err.
#pragma once

#include <ostream>
#include <string>

struct TConsole {
    std::ostream& Out;
    std::ostream& Err;

    void Warn(const std::string& Text) const { Err << "mkdist: warning: " << Text << "\n"; }
    void Note(const std::string& Text) const { Err << "mkdist: " << Text << "\n"; }
};
