// The commands of mkdist. Each returns the process exit code (0 on success) or raises
// Exception with a message that names the file and what is wrong with it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "console.h"

int RunPack(const TCommandLine& Line, const TConsole& Console);
int RunList(const TCommandLine& Line, const TConsole& Console);
int RunUnpack(const TCommandLine& Line, const TConsole& Console);
int RunVerify(const TCommandLine& Line, const TConsole& Console);
int RunCompress(const TCommandLine& Line, const TConsole& Console);
int RunDecompress(const TCommandLine& Line, const TConsole& Console);

// The usage text of "mkdist --help".
const char* UsageText();

// The whole tool: Words are the arguments after the program name. Errors are reported on Err
// and turn into exit code 1 (2 for a wrong command line).
int RunMkdist(const std::vector<std::string>& Words, std::ostream& Out, std::ostream& Err);
