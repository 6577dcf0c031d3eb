// Splitting mkdist's command line.
#include <gtest/gtest.h>

#include "command_line.h"
#include "rtl/exception.h"

namespace {

const std::map<std::string, std::set<std::string>> Options = {{"pack", {"setup", "out"}}, {"list", {}}};

TEST(CommandLine, SplitsOptionsInBothFormsAndArguments) {
    const TCommandLine line =
        ParseCommandLine({"pack", "--setup", "S.EXE", "dir", "--out=D", "a", "--", "--b"}, Options);
    EXPECT_EQ(line.Command, "pack");
    EXPECT_EQ(line.Option("setup"), "S.EXE");
    EXPECT_EQ(line.Option("out"), "D");
    EXPECT_EQ(line.Option("disk-size"), std::nullopt);
    EXPECT_EQ(line.Arguments, (std::vector<std::string>{"dir", "a", "--b"}));
}

TEST(CommandLine, SingleDashWordsAreArguments) {
    EXPECT_EQ(ParseCommandLine({"list", "-", "--"}, Options).Arguments, std::vector<std::string>{"-"});
}

TEST(CommandLine, RejectsUnknownCommandsOptionsAndMissingValues) {
    EXPECT_THROW(ParseCommandLine({}, Options), Exception);
    EXPECT_THROW(ParseCommandLine({"frob"}, Options), Exception);
    EXPECT_THROW(ParseCommandLine({"list", "--setup", "x"}, Options), Exception);
    EXPECT_THROW(ParseCommandLine({"pack", "--setup"}, Options), Exception);
}

TEST(CommandLine, CountsAreWholeNumbersInRange) {
    EXPECT_EQ(ParseCount("1457664", "disk-size", 1, 2147483647), 1457664);
    EXPECT_EQ(ParseCount("2147483647", "disk-size", 1, 2147483647), 2147483647);
    for (const char* bad : {"0", "", "-5", "12k", "2147483648", "99999999999999999999"}) {
        EXPECT_THROW(ParseCount(bad, "disk-size", 1, 2147483647), Exception) << bad;
    }
}

}  // namespace
