// mkdist: the command-line packager of the Glyphwork distribution.
#include <iostream>

#include "commands.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    return RunMkdist(words, std::cout, std::cerr);
}
