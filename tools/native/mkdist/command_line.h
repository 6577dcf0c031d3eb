// The command line of mkdist: a command word, options of the form "--name value" or
// "--name=value", and positional arguments. "--" ends the options.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct TCommandLine {
    std::string Command;
    std::map<std::string, std::string> Options;  // by name without the dashes
    std::vector<std::string> Arguments;

    std::optional<std::string> Option(const std::string& Name) const;
};

// Splits Words (the arguments after the program name). ValueOptions are the option names, per
// command, that take a value. Raises Exception for an unknown command or option, or a missing value.
TCommandLine ParseCommandLine(const std::vector<std::string>& Words,
                              const std::map<std::string, std::set<std::string>>& ValueOptions);

// A decimal count within Lowest..Highest, for option values; raises Exception naming the option.
int64_t ParseCount(const std::string& Text, const std::string& OptionName, int64_t Lowest, int64_t Highest);
