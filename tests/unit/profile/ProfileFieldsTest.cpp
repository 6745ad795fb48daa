// Splitting record values into fields: one table of values through all four
// extractors, and the decimal reading behind the numeric ones.
#include "ProfileFields.h"

#include <gtest/gtest.h>

namespace {

const int kUnchanged = 777;  // what a numeric output holds before the call

struct FieldCase {
    const char* pszValue;
    int nField;
    BOOL bFound;
    const char* pszText;   // ExtractField's output
    int nShort;            // the numeric outputs (kUnchanged when not found)
    LONG nLong;
    int nBool;
};

const FieldCase kFieldCases[] = {
    {"a|b", 0, TRUE, "a", 0, 0, 0},
    {"a|b", 1, TRUE, "b", 0, 0, 0},
    {"a|b", 2, FALSE, "", kUnchanged, kUnchanged, kUnchanged},
    {"a||c", 1, TRUE, "", 0, 0, 0},
    {"a||c", 2, TRUE, "c", 0, 0, 0},
    {"a||c", 3, FALSE, "", kUnchanged, kUnchanged, kUnchanged},
    {"", 0, TRUE, "", 0, 0, 0},
    {"", 1, FALSE, "", kUnchanged, kUnchanged, kUnchanged},
    {"|", 1, TRUE, "", 0, 0, 0},
    {"65535", 0, TRUE, "65535", -1, 65535, 1},
    {"x|65536", 1, TRUE, "65536", 0, 65536, 1},
    {"32768", 0, TRUE, "32768", -32768, 32768, 1},
    {"-2|x", 0, TRUE, "-2", -2, -2, 1},
    {"  +12abc", 0, TRUE, "  +12abc", 12, 12, 1},
    {"\t-7 ", 0, TRUE, "\t-7 ", -7, -7, 1},
    {"- 5", 0, TRUE, "- 5", 0, 0, 0},
    {"abc", 0, TRUE, "abc", 0, 0, 0},
    {"0", 0, TRUE, "0", 0, 0, 0},
    {"+-1", 0, TRUE, "+-1", 0, 0, 0},
    {"4294967297", 0, TRUE, "4294967297", 1, 1, 1},  // wraps, never overflows
    {"1|2|3|4|5|6|C:\\PLUG\\", 6, TRUE, "C:\\PLUG\\", 0, 0, 0},
    {"a|b", -1, FALSE, "", kUnchanged, kUnchanged, kUnchanged},
};

TEST(ProfileFields, ExtractorsAgreeOnEveryValue)
{
    for (const FieldCase& test : kFieldCases) {
        SCOPED_TRACE(::testing::Message() << '"' << test.pszValue << "\" field " << test.nField);
        const CString strValue(test.pszValue);

        CString strText("previous");
        EXPECT_EQ(test.bFound, ExtractField(strText, strValue, test.nField));
        EXPECT_STREQ(test.pszText, strText);

        short nShort = kUnchanged;
        EXPECT_EQ(test.bFound, ExtractShortField(nShort, strValue, test.nField));
        EXPECT_EQ(test.nShort, nShort);

        LONG nLong = kUnchanged;
        EXPECT_EQ(test.bFound, ExtractLongField(nLong, strValue, test.nField));
        EXPECT_EQ(test.nLong, nLong);

        int nBool = kUnchanged;
        EXPECT_EQ(test.bFound, ExtractBoolField(nBool, strValue, test.nField));
        EXPECT_EQ(test.nBool, nBool);
    }
}

TEST(ProfileFields, AnotherSeparatorSplitsThere)
{
    CString strText;
    EXPECT_TRUE(ExtractField(strText, "a|b;c", 1, ';'));
    EXPECT_STREQ("c", strText);
}

}  // namespace
