#include <map>
#include <set>

#include "commands.h"
#include "rtl/exception.h"

namespace {

using TCommand = int (*)(const TCommandLine&, const TConsole&);

const std::map<std::string, TCommand>& Commands() {
    static const std::map<std::string, TCommand> commands = {
        {"pack", RunPack},         {"list", RunList},         {"unpack", RunUnpack},
        {"verify", RunVerify},     {"compress", RunCompress}, {"decompress", RunDecompress},
    };
    return commands;
}

// Options that take a value, per command.
const std::map<std::string, std::set<std::string>>& ValueOptions() {
    static const std::map<std::string, std::set<std::string>> options = {
        {"pack", {"setup", "out", "disk-size"}},
        {"list", {}},
        {"unpack", {"setup"}},
        {"verify", {"setup"}},
        {"compress", {}},
        {"decompress", {"size"}},
    };
    return options;
}

}  // namespace

int RunMkdist(const std::vector<std::string>& Words, std::ostream& Out, std::ostream& Err) {
    if (Words.empty() || Words[0] == "--help" || Words[0] == "-h" || Words[0] == "help") {
        (Words.empty() ? Err : Out) << UsageText();
        return Words.empty() ? 2 : 0;
    }
    TCommandLine line;
    try {
        line = ParseCommandLine(Words, ValueOptions());
    } catch (const Exception& error) {
        Err << "mkdist: " << error.Message() << "\n";
        return 2;
    }
    const TConsole console{Out, Err};
    try {
        return Commands().at(line.Command)(line, console);
    } catch (const Exception& error) {
        Err << "mkdist " << line.Command << ": error: " << error.Message() << "\n";
    } catch (const std::bad_alloc&) {
        Err << "mkdist " << line.Command << ": error: out of memory\n";
    }
    return 1;
}
