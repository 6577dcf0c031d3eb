#include "command_line.h"

#include "rtl/exception.h"

std::optional<std::string> TCommandLine::Option(const std::string& Name) const {
    const auto found = Options.find(Name);
    if (found == Options.end()) return std::nullopt;
    return found->second;
}

TCommandLine ParseCommandLine(const std::vector<std::string>& Words,
                              const std::map<std::string, std::set<std::string>>& ValueOptions) {
    TCommandLine line;
    if (Words.empty()) throw Exception("no command given; see mkdist --help");
    line.Command = Words[0];
    const auto known = ValueOptions.find(line.Command);
    if (known == ValueOptions.end()) {
        throw Exception("unknown command \"" + line.Command + "\"; see mkdist --help");
    }
    bool optionsEnded = false;
    for (size_t i = 1; i < Words.size(); ++i) {
        const std::string& word = Words[i];
        if (optionsEnded || word.size() < 3 || word.compare(0, 2, "--") != 0) {
            if (word == "--") {
                optionsEnded = true;
                continue;
            }
            line.Arguments.push_back(word);
            continue;
        }
        const size_t equals = word.find('=');
        const std::string name = word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        if (known->second.count(name) == 0) {
            throw Exception("\"" + line.Command + "\" has no option --" + name + "; see mkdist --help");
        }
        if (equals != std::string::npos) {
            line.Options[name] = word.substr(equals + 1);
        } else if (i + 1 < Words.size()) {
            line.Options[name] = Words[++i];
        } else {
            throw Exception("option --" + name + " needs a value");
        }
    }
    return line;
}

int64_t ParseCount(const std::string& Text, const std::string& OptionName, int64_t Lowest, int64_t Highest) {
    int64_t value = 0;
    bool valid = !Text.empty() && Text.size() <= 18;
    for (char c : Text) {
        if (c < '0' || c > '9') valid = false;
        else value = value * 10 + (c - '0');
    }
    if (!valid || value < Lowest || value > Highest) {
        throw Exception("--" + OptionName + " must be a whole number from " + std::to_string(Lowest) +
                        " to " + std::to_string(Highest) + ", not \"" + Text + "\"");
    }
    return value;
}
