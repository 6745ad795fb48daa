#include "CException.h"
#include "CString.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
std::string Bytes(const CString& str)
{
    return std::string(static_cast<const char*>(str), static_cast<size_t>(str.GetLength()));
}

}

TEST(StringTest, ConstructsFromEveryKindOfSource)
{
    EXPECT_EQ("", Bytes(CString()));
    EXPECT_STREQ("", static_cast<const char*>(CString()));
    EXPECT_EQ("", Bytes(CString(static_cast<const char*>(nullptr))));
    EXPECT_EQ("", Bytes(CString(nullptr, 5)));
    EXPECT_EQ("", Bytes(CString("abc", -1)));
    EXPECT_EQ("ab", Bytes(CString("abc", 2)));
    EXPECT_EQ("xxx", Bytes(CString('x', 3)));
    EXPECT_EQ("", Bytes(CString('x', -3)));

    CString strMoved("moved");
    CString strTarget(std::move(strMoved));
    EXPECT_EQ("moved", Bytes(strTarget));
    EXPECT_TRUE(strMoved.IsEmpty());
    strMoved += "reused";
    EXPECT_EQ("reused", Bytes(strMoved));
}

TEST(StringTest, KeepsEmbeddedNulsThroughCopiesAndComparisons)
{
    CString str("a\0b", 3);
    ASSERT_EQ(3, str.GetLength());
    EXPECT_EQ(std::string("a\0b", 3), Bytes(CString(str)));
    EXPECT_EQ(std::string("a\0bc\0", 5), Bytes(str + 'c' + CString("\0", 1)));
    EXPECT_EQ('b', str[2]);

    // Counted, not C-string, comparison: the NUL does not end the text.
    EXPECT_TRUE(str != "a");
    EXPECT_TRUE(str > "a");
    EXPECT_TRUE(CString("a\0a", 3) < str);
    EXPECT_STREQ("a", str);
}

TEST(StringTest, ComparesByteWiseInEveryOperatorForm)
{
    struct Case
    {
        const char* pszLeft;
        const char* pszRight;
        int nSign;
    };
    const Case cases[] = {
        { "abc", "abc", 0 }, { "", "", 0 },     { "ab", "abc", -1 }, { "abd", "abc", 1 },
        { "B", "a", -1 },    { "\x80", "a", 1 }, { "", "a", -1 },     { "Abc", "abc", -1 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.pszLeft) + " vs " + c.pszRight);
        CString strLeft(c.pszLeft);
        CString strRight(c.pszRight);
        EXPECT_EQ(c.nSign, strLeft.Compare(strRight));
        EXPECT_EQ(c.nSign, strLeft.Compare(c.pszRight));
        EXPECT_EQ(c.nSign == 0, strLeft == strRight);
        EXPECT_EQ(c.nSign == 0, strLeft == c.pszRight);
        EXPECT_EQ(c.nSign == 0, c.pszLeft == strRight);
        EXPECT_EQ(c.nSign != 0, strLeft != strRight);
        EXPECT_EQ(c.nSign != 0, strLeft != c.pszRight);
        EXPECT_EQ(c.nSign != 0, c.pszLeft != strRight);
        EXPECT_EQ(c.nSign < 0, strLeft < strRight);
        EXPECT_EQ(c.nSign < 0, strLeft < c.pszRight);
        EXPECT_EQ(c.nSign < 0, c.pszLeft < strRight);
        EXPECT_EQ(c.nSign > 0, strLeft > strRight);
        EXPECT_EQ(c.nSign > 0, strLeft > c.pszRight);
        EXPECT_EQ(c.nSign > 0, c.pszLeft > strRight);
        EXPECT_EQ(c.nSign <= 0, strLeft <= strRight);
        EXPECT_EQ(c.nSign <= 0, strLeft <= c.pszRight);
        EXPECT_EQ(c.nSign <= 0, c.pszLeft <= strRight);
        EXPECT_EQ(c.nSign >= 0, strLeft >= strRight);
        EXPECT_EQ(c.nSign >= 0, strLeft >= c.pszRight);
        EXPECT_EQ(c.nSign >= 0, c.pszLeft >= strRight);
    }
    EXPECT_TRUE(CString() == static_cast<const char*>(nullptr));
}

TEST(StringTest, CompareNoCaseIgnoresOnlyCase)
{
    EXPECT_EQ(0, CString("Setup.INI").CompareNoCase("setup.ini"));
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    EXPECT_GT(CString("abcd").CompareNoCase("ABC"), 0);
}

TEST(StringTest, ConcatenatesInEveryOperandOrder)
{
    CString str("mid");
    EXPECT_EQ("a-mid", Bytes("a-" + str));
    EXPECT_EQ("mid-z", Bytes(str + "-z"));
    EXPECT_EQ("midmid", Bytes(str + str));
    EXPECT_EQ("<mid", Bytes('<' + str));
    EXPECT_EQ("mid>", Bytes(str + '>'));

    CString strBuilt;
    for (int i = 0; i < 1000; i++)
        strBuilt += static_cast<char>('a' + i % 26);
    EXPECT_EQ(1000, strBuilt.GetLength());
    EXPECT_EQ('l', strBuilt[999]);
}

TEST(StringTest, AssignsAndAppendsFromItself)
{
    CString str("abcdef");
    const CString& strSelf = str;
    str = strSelf;
    EXPECT_EQ("abcdef", Bytes(str));
    str += str;
    EXPECT_EQ("abcdefabcdef", Bytes(str));
    str = static_cast<const char*>(str) + 6;
    EXPECT_EQ("abcdef", Bytes(str));
    str += static_cast<const char*>(str) + 3;
    EXPECT_EQ("abcdefdef", Bytes(str));
    str = 'q';
    EXPECT_EQ("q", Bytes(str));
    str.Format("%s[%s]", static_cast<const char*>(str), static_cast<const char*>(str));
    EXPECT_EQ("q[q]", Bytes(str));
}

TEST(StringTest, MidLeftRightClampTheirArguments)
{
    const CString str("abcdef");
    struct Case
    {
        int nFirst;
        int nCount;
        const char* pszMid;
    };
    const Case cases[] = {
        { 0, 6, "abcdef" }, { 2, 2, "cd" }, { 4, 100, "ef" },  { -3, 2, "ab" },
        { 6, 1, "" },       { 9, 1, "" },   { 2, -1, "" },     { 1, 0x7fffffff, "bcdef" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.pszMid, Bytes(str.Mid(c.nFirst, c.nCount))) << c.nFirst << "," << c.nCount;

    EXPECT_EQ("def", Bytes(str.Mid(3)));
    EXPECT_EQ("", Bytes(str.Mid(10)));
    EXPECT_EQ("abcdef", Bytes(str.Mid(-1)));
    EXPECT_EQ("ab", Bytes(str.Left(2)));
    EXPECT_EQ("abcdef", Bytes(str.Left(10)));
    EXPECT_EQ("", Bytes(str.Left(-1)));
    EXPECT_EQ("ef", Bytes(str.Right(2)));
    EXPECT_EQ("abcdef", Bytes(str.Right(10)));
    EXPECT_EQ("", Bytes(str.Right(-1)));
    EXPECT_EQ("", Bytes(CString().Mid(0, 3)));
}

TEST(StringTest, FindsCharactersAndSubstrings)
{
    const CString str("C:\\dir\\sub\\file.txt");
    EXPECT_EQ(2, str.Find('\\'));
    EXPECT_EQ(6, str.Find('\\', 3));
    EXPECT_EQ(2, str.Find('\\', -5));
    EXPECT_EQ(-1, str.Find('\\', 11));
    EXPECT_EQ(-1, str.Find('\\', 100));
    EXPECT_EQ(-1, str.Find('#'));
    EXPECT_EQ(7, str.Find("sub"));
    EXPECT_EQ(-1, str.Find("sub", 8));
    EXPECT_EQ(-1, str.Find("file.txt!"));
    EXPECT_EQ(0, str.Find(""));
    EXPECT_EQ(4, str.Find("", 4));
    EXPECT_EQ(-1, str.Find("", 100));
    EXPECT_EQ(10, str.ReverseFind('\\'));
    EXPECT_EQ(-1, str.ReverseFind('#'));
    EXPECT_EQ(1, str.FindOneOf(".:"));
    EXPECT_EQ(-1, str.FindOneOf("#*"));
    EXPECT_EQ(-1, str.FindOneOf(""));
    EXPECT_EQ(-1, CString().Find('a'));
    EXPECT_EQ(-1, CString().ReverseFind('a'));

    // Past an embedded NUL, and never the NUL ending the set.
    const CString strNul("a\0b", 3);
    EXPECT_EQ(2, strNul.Find('b'));
    EXPECT_EQ(2, strNul.Find("b"));
    EXPECT_EQ(-1, strNul.FindOneOf("xyz"));
}

#ifdef _WIN32
// In a double-byte code page the byte after a lead byte belongs to the
// character, even when it looks like '\\' (as in Japanese); single-byte code
// pages have nothing to show here.
TEST(StringTest, NeverMatchesTheTrailByteOfADoubleByteCharacter)
{
    if (!IsDBCSLeadByte(0x81) || IsDBCSLeadByte('\\'))
        GTEST_SKIP() << "not a double-byte code page";
    const CString str("\x81\\x\\");
    EXPECT_EQ(3, str.Find('\\'));
    EXPECT_EQ(3, str.ReverseFind('\\'));
    EXPECT_EQ(3, str.FindOneOf("\\"));
    EXPECT_EQ(3, str.Find("\\"));
}
#endif

TEST(StringTest, IndexOutsideTheStringThrows)
{
    CString str("abc");
    EXPECT_EQ('c', str.GetAt(2));
    str.SetAt(1, 'X');
    EXPECT_EQ("aXc", Bytes(str));
    EXPECT_TRUE(ThrowsKindOf(RUNTIME_CLASS(CNotSupportedException), [&] { str.GetAt(3); }));
    EXPECT_TRUE(ThrowsKindOf(RUNTIME_CLASS(CNotSupportedException), [&] { str.GetAt(-1); }));
    EXPECT_TRUE(ThrowsKindOf(RUNTIME_CLASS(CNotSupportedException), [&] { str.SetAt(3, 'x'); }));
    EXPECT_TRUE(ThrowsKindOf(RUNTIME_CLASS(CNotSupportedException), [&] { return CString()[0]; }));
    EXPECT_EQ("aXc", Bytes(str));
}

TEST(StringTest, ChangesCaseAndTrimsWhiteSpace)
{
    CString str("Mixed Case 123 _z");
    str.MakeUpper();
    EXPECT_EQ("MIXED CASE 123 _Z", Bytes(str));
    str.MakeLower();
    EXPECT_EQ("mixed case 123 _z", Bytes(str));

    str = " \t\r\n text in\tside \n\v\f ";
    str.TrimLeft();
    EXPECT_EQ("text in\tside \n\v\f ", Bytes(str));
    str.TrimRight();
    EXPECT_EQ("text in\tside", Bytes(str));
    str = " \t ";
    str.TrimRight();
    EXPECT_TRUE(str.IsEmpty());
}

#ifdef _WIN32
TEST(StringTest, ChangesCaseByTheAnsiCodePage)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "code page " << GetACP();
    CString str("\xe4\xf6x");
    str.MakeUpper();
    EXPECT_EQ("\xc4\xd6X", Bytes(str));
}
#endif

TEST(StringTest, FormatsOutputOfAnyLength)
{
    CString str;
    str.Format("%d %s %x %.4x %lu %c %5.2f%%", -12, "txt", 255u, 0x2au, 4000000000ul, 'c', 3.14159);
    EXPECT_EQ("-12 txt ff 002a 4000000000 c  3.14%", Bytes(str));

    const std::string strLong(100000, 'y');
    str.Format("[%s]%8000d", strLong.c_str(), 7);
    ASSERT_EQ(100002 + 8000, str.GetLength());
    EXPECT_EQ('[' + strLong + ']', Bytes(str.Left(100002)));
    EXPECT_EQ("       7", Bytes(str.Right(8)));

    str.Format("%s", "");
    EXPECT_TRUE(str.IsEmpty());
}

TEST(StringTest, LoadStringOfAMissingEntryIsFalseAndEmpty)
{
    CString str("previous");
    EXPECT_FALSE(str.LoadString(65000));
    EXPECT_TRUE(str.IsEmpty());
}

TEST(StringTest, BufferAccessWritesThroughAndReleasesTheRightLength)
{
    CString str("keep");
    char* pch = str.GetBuffer(100);
    EXPECT_STREQ("keep", pch);
    strcpy(pch + 4, " and more");
    str.ReleaseBuffer();
    EXPECT_EQ("keep and more", Bytes(str));

    pch = str.GetBuffer(3);  // never shorter than the text
    pch[2] = '\0';
    str.ReleaseBuffer(6);
    EXPECT_EQ(std::string("ke\0p a", 6), Bytes(str));

    // The whole buffer filled, terminator included: the length stays inside.
    for (int nNewLength : { -1, 1000 })
    {
        CString strFull;
        memset(strFull.GetBuffer(8), 'z', 9);
        strFull.ReleaseBuffer(nNewLength);
        EXPECT_EQ("zzzzzzzz", Bytes(strFull));
    }

    CString strEmpty;
    strEmpty.ReleaseBuffer();
    EXPECT_TRUE(strEmpty.IsEmpty());
    strcpy(strEmpty.GetBuffer(0), "");
    strEmpty.ReleaseBuffer();
    EXPECT_TRUE(strEmpty.IsEmpty());

    CString strSized("ab");
    pch = strSized.GetBufferSetLength(4);
    EXPECT_EQ(4, strSized.GetLength());
    EXPECT_EQ(std::string("ab\0\0", 4), Bytes(strSized));
    pch[2] = 'c';
    pch[3] = 'd';
    EXPECT_EQ("abcd", Bytes(strSized));
    strSized.GetBufferSetLength(1);
    EXPECT_EQ("a", Bytes(strSized));
}
