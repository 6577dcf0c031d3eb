// The destination page's form check and the path helpers, without Windows.
#include <gtest/gtest.h>

#include <string>

#include "pages/destination_entry.h"
#include "pages/path_helpers.h"

TEST(DestinationForm, OnlyAnUpperCaseLetterAndAColonStartAnEntry) {
    for (int c = 0; c < 256; ++c) {
        const std::string entry = std::string(1, char(c)) + ":\\GLYPHWORK";
        EXPECT_EQ(HasDestinationForm(entry), c >= 'A' && c <= 'Z') << "first byte " << c;
    }
}

TEST(DestinationForm, Cases) {
    struct Case {
        const char* entry;
        bool accepted;
    } cases[] = {
        {"", false},
        {"C", false},
        {"C:", true},
        {"C:\\", true},
        {"C:\\PROGRAM FILES\\GLYPHWORK", true},
        {"c:\\glyphwork", false},        // typed letters are upper-cased; a lower-case one is refused
        {"\\\\SERVER\\SHARE", false},    // UNC
        {"CC:\\X", false},
        {"C;\\X", false},
        {"C:X", false},                  // drive-relative: would name another folder later
        {"C:GLYPHWORK", false},
        {"C:/GLYPHWORK", true},           // the system takes either separator
        {"C:\\*.GLF", true},             // the wildcard is judged by the folder check
    };
    for (const Case& c : cases) EXPECT_EQ(HasDestinationForm(c.entry), c.accepted) << c.entry;
}

TEST(JoinPath, Cases) {
    EXPECT_EQ(JoinPath("", "X"), "X");
    EXPECT_EQ(JoinPath("C:\\", "X"), "C:\\X");
    EXPECT_EQ(JoinPath("C:\\A", "X"), "C:\\A\\X");
    EXPECT_EQ(JoinPath("C:\\A\\\\", "X"), "C:\\A\\\\X");   // only one trailing backslash is looked at
    EXPECT_EQ(JoinPath("C:\\A", "\\X"), "C:\\A\\\\X");     // the name is used unchanged
    EXPECT_EQ(JoinPath("C:", "X"), "C:\\X");
}

TEST(HasWildcard, Cases) {
    EXPECT_TRUE(HasWildcard("C:\\A\\*.GLF"));
    EXPECT_TRUE(HasWildcard("?"));
    EXPECT_FALSE(HasWildcard("C:\\A\\B.GLF"));
    EXPECT_FALSE(HasWildcard(""));
}
