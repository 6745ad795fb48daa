#include "CCommandLine.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Entries = std::map<std::string, std::string>;

Entries AllEntries(const CCommandLine& commandLine)
{
    Entries entries;
    POSITION pos = commandLine.GetStartPosition();
    while (pos != nullptr) {
        CString strKey;
        CString strValue;
        commandLine.GetNextAssoc(pos, strKey, strValue);
        entries[static_cast<const char*>(strKey)] = static_cast<const char*>(strValue);
    }
    return entries;
}

struct ParseCase {
    const char* text;
    Entries expected;
};

const ParseCase kParseCases[] = {
    {"", {}},
    {"/D:E:\\DISK1", {{"D", "E:\\DISK1"}}},
    {"/D:E:\\A:B", {{"D", "E:\\A:B"}}},              // only the first colon ends the name
    {"/Dc:\\x", {{"Dc", "\\x"}}},                     // a misspelt switch of its own
    {"/D:", {{"D", ""}}},
    {"/U /PP:C:\\WINDOWS\\SETUP.ini", {{"U", ""}, {"PP", "C:\\WINDOWS\\SETUP.ini"}}},
    {"/UB", {{"U", "B"}}},
    {"/U /B", {{"U", ""}, {"B", ""}}},
    {"/u", {{"u", ""}}},
    {"/", {}},                                        // a lone switch character
    {"one two", {{"#0", "one"}, {"#1", "two"}}},
    {"  /B   first  /U  second ", {{"B", ""}, {"U", ""}, {"#0", "first"}, {"#1", "second"}}},
    {"/D:A /D:B", {{"D", "B"}}},                      // the later value wins
    {"\t/B", {{"#0", "\t/B"}}},                       // tabs are no separators
    {"\"/B\"", {{"#0", "\"/B\""}}},                   // nor are quotation marks
    {"/:x", {{"", "x"}}},
};

TEST(CommandLine, ParsesEveryTokenForm)
{
    for (const ParseCase& c : kParseCases) {
        const CCommandLine commandLine(c.text, '/');
        EXPECT_EQ(AllEntries(commandLine), c.expected) << "command line: [" << c.text << "]";
    }
}

TEST(CommandLine, NullTextGivesEmptyMap)
{
    const CCommandLine commandLine(nullptr, '/');
    EXPECT_TRUE(commandLine.IsEmpty());
}

TEST(CommandLine, OptionsAreCaseSensitiveAndDefaultsApplyOnlyWhenMissing)
{
    const CCommandLine commandLine("/D:C:\\SRC /U", '/');
    CString strValue;

    EXPECT_TRUE(commandLine.HasOption("U"));
    EXPECT_FALSE(commandLine.HasOption("u"));

    EXPECT_TRUE(commandLine.GetOption("D", strValue, "fallback"));
    EXPECT_STREQ(strValue, "C:\\SRC");

    EXPECT_TRUE(commandLine.GetOption("U", strValue, "fallback"));
    EXPECT_STREQ(strValue, "");

    EXPECT_FALSE(commandLine.GetOption("d", strValue, "fallback"));
    EXPECT_STREQ(strValue, "fallback");

    strValue = "kept";
    EXPECT_FALSE(commandLine.GetOption("B", strValue));
    EXPECT_STREQ(strValue, "kept");
}

TEST(CommandLine, OtherSwitchCharacter)
{
    const CCommandLine commandLine("-B /U", '-');
    EXPECT_EQ(AllEntries(commandLine), (Entries {{"B", ""}, {"#0", "/U"}}));
}

TEST(CommandLine, VeryLongTokenIsKeptWhole)
{
    const CString strValue('x', 100000);
    const CCommandLine commandLine(CString("/D:") + strValue, '/');
    CString strRead;
    ASSERT_TRUE(commandLine.GetOption("D", strRead));
    EXPECT_EQ(strRead.GetLength(), 100000);
}

} // namespace
