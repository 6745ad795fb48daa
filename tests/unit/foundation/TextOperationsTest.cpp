// The text operations under paths and messages: separators, random names,
// bounded formatting, and stepping over double-byte characters.
#include "TextOperations.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace
{

// Code page 932's lead bytes. 0x95 0x5C is one character there, its trail
// byte the value of '\\'.
bool IsCp932LeadByte(BYTE ch)
{
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

struct EditCase
{
    const char* pszOperation;
    void (*pfnEdit)(CString&);
    const char* pszText;
    const char* pszExpected;
};

void StripLeadingX(CString& str) { StripLeadingChar(str, 'x'); }
void StripTrailingX(CString& str) { StripTrailingChar(str, 'x'); }
void TruncateTo2(CString& str) { TruncateText(str, 2); }

const EditCase g_aEditCases[] = {
    {"TruncateText 2", TruncateTo2, "abcd", "ab"},
    {"TruncateText 2", TruncateTo2, "a", "a"},
    {"StripLeadingChar", StripLeadingX, "xax", "ax"},
    {"StripLeadingChar", StripLeadingX, "", ""},
    {"StripLeadingChar", StripLeadingX, "ax", "ax"},
    {"StripTrailingChar", StripTrailingX, "xax", "xa"},
    {"StripTrailingChar", StripTrailingX, "x", ""},
    {"StripLeadingBackslash", StripLeadingBackslash, "\\A\\", "A\\"},
    {"StripLeadingBackslash", StripLeadingBackslash, "\\", "\\"},
    {"StripLeadingBackslash", StripLeadingBackslash, "\\\\A", "\\A"},
    {"StripTrailingBackslash", StripTrailingBackslash, "\\A\\", "\\A"},
    {"StripTrailingBackslash", StripTrailingBackslash, "\\", "\\"},
    {"StripTrailingBackslash", StripTrailingBackslash, "A/", "A/"},
    {"EnsureLeadingBackslash", EnsureLeadingBackslash, "A", "\\A"},
    {"EnsureLeadingBackslash", EnsureLeadingBackslash, "", "\\"},
    {"EnsureLeadingBackslash", EnsureLeadingBackslash, "\\A", "\\A"},
    {"EnsureTrailingBackslash", EnsureTrailingBackslash, "A", "A\\"},
    {"EnsureTrailingBackslash", EnsureTrailingBackslash, "", "\\"},
    {"EnsureTrailingBackslash", EnsureTrailingBackslash, "\\", "\\"},
};

TEST(TextOperations, EditsSeparatorsAndEnds)
{
    for (const EditCase& editCase : g_aEditCases)
    {
        CString str(editCase.pszText);
        editCase.pfnEdit(str);
        EXPECT_STREQ(editCase.pszExpected, str) << editCase.pszOperation << " of \"" << editCase.pszText << '"';
    }
}

TEST(TextOperations, RandomNamesFollowTheFixedSequence)
{
    RestartRandomNamesForTesting();
    EXPECT_STREQ("4ae16784", MakeRandomName(8));
    EXPECT_STREQ("5f906952", MakeRandomName(8));

    // Every call draws five values, however few digits it keeps.
    RestartRandomNamesForTesting();
    EXPECT_STREQ("", MakeRandomName(0));
    EXPECT_STREQ("5f90695272ae2cd63d6c", MakeRandomName(20));
    EXPECT_STREQ("26e941bb5af16df11649", MakeRandomName(25));
}

TEST(TextOperations, FormatTextStopsAt511Characters)
{
    CString str("old");
    EXPECT_EQ(6, FormatText(str, "%s-%03d", "ab", 7));
    EXPECT_STREQ("ab-007", str);

    const CString strLong('x', 600);
    EXPECT_EQ(511, FormatText(str, "%s", static_cast<const char*>(strLong)));
    EXPECT_EQ(strLong.Left(511), str);

    const CString strFits('y', 511);
    EXPECT_EQ(511, FormatText(str, "%s", static_cast<const char*>(strFits)));
    EXPECT_EQ(strFits, str);
}

TEST(TextOperations, FormatResourceTextLeavesTextForAMissingEntry)
{
    CString str("kept");
    EXPECT_EQ(0, FormatResourceText(str, IDS_GROUP_NAME, "A:\\"));
    EXPECT_STREQ("kept", str);
#ifdef _WIN32
    EXPECT_EQ(32, FormatResourceText(str, IDS_MSG_CANNOT_INSTALL_FROM, "A:\\"));
    EXPECT_STREQ("Cannot install files from 'A:\\':", str);
#endif
}

TEST(TextOperations, DoubleByteCharactersAreNeverParted)
{
    // "a", then one double-byte character whose trail byte is '\\', then "b".
    const CString str("a\x95\\b");
    EXPECT_EQ(1, GetCharBoundary(str, 2, IsCp932LeadByte));
    EXPECT_EQ(3, GetCharBoundary(str, 3, IsCp932LeadByte));
    EXPECT_EQ(2, GetCharBoundary(str, 2, [](BYTE) { return false; }));
    EXPECT_EQ(4, GetCharBoundary(str, 99, IsCp932LeadByte));

    // So "ends with a backslash" is about the last character, not the last byte.
    EXPECT_FALSE(EndsWithChar(str.Left(3), '\\', IsCp932LeadByte));
    EXPECT_TRUE(EndsWithChar(str.Left(3), '\\', [](BYTE) { return false; }));
    EXPECT_TRUE(EndsWithChar("\x95\\\\", '\\', IsCp932LeadByte));

    // A lead byte at the very end still counts for two bytes: a cut there
    // drops it rather than leaving half a character.
    const CString strCut("ab\x95");
    EXPECT_EQ(2, GetCharBoundary(strCut, 3, IsCp932LeadByte));
}

}
