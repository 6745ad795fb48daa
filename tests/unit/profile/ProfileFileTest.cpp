// One value and one section's keys through the real private-profile services
// of the platform, on files the tests write.
#include "CProfileSection.h"
#include "CProfileString.h"
#include "ProfileFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

CString ReadValue(const CFilePath& file, const char* pszSection, const char* pszKey)
{
    CProfileString item("", pszSection, pszKey, file, FALSE, TRUE);
    return item.GetValue();
}

std::vector<CString> ListKeys(const CFilePath& file, const char* pszSection)
{
    std::vector<CString> keys;
    CProfileSection section(pszSection);
    section.SetFile(file);
    CProfileString item;
    for (BOOL bMore = section.First(item); bMore; bMore = section.Next(item)) {
        EXPECT_STREQ(pszSection, item.GetSection());
        keys.push_back(item.GetKey());
    }
    return keys;
}

TEST(ProfileString, ReadsWritesAndTellsAChange)
{
    CProfileFixture fixture;
    const CFilePath file = fixture.Write("a.ini", "[s]\nkey=value\nempty=\n");

    CProfileString item("default", "s", "key", file, FALSE, TRUE);
    EXPECT_STREQ("value", item.GetValue());
    EXPECT_FALSE(item.IsModified());
    item.SetValue("Value");  // case counts
    EXPECT_TRUE(item.IsModified());
    EXPECT_TRUE(item.Write());
    EXPECT_STREQ("Value", ReadValue(file, "s", "key"));

    // An absent key gives the current value back; an empty one reads empty.
    CProfileString absent("kept", "s", "absent", file, FALSE, FALSE);
    EXPECT_TRUE(absent.Read());
    EXPECT_STREQ("kept", absent.GetValue());
    EXPECT_FALSE(absent.IsModified());
    CProfileString empty("kept", "s", "empty", file, FALSE, FALSE);
    EXPECT_FALSE(empty.Read());
    EXPECT_STREQ("", empty.GetValue());

    // Writing creates what is missing: the key, the section, the file.
    CProfileString("new", "t", "k", fixture.PathOf("new.ini"), FALSE, FALSE).Write();
    EXPECT_STREQ("new", ReadValue(fixture.PathOf("new.ini"), "t", "k"));
}

TEST(ProfileString, ValuesBeyondTheBufferArriveCut)
{
    CProfileFixture fixture;
    const CString strLong('x', 300);
    const CFilePath file = fixture.PathOf("long.ini");
    ASSERT_TRUE(CProfileString(strLong, "s", "long", file, FALSE, FALSE).Write());
    ASSERT_TRUE(CProfileString(CString('y', 254), "s", "fits", file, FALSE, FALSE).Write());

    CProfileString item("", "s", "long", file, FALSE, FALSE);
    EXPECT_TRUE(item.Read());
    EXPECT_STREQ(strLong.Left(254), item.GetValue());
    EXPECT_STREQ(CString('y', 254), ReadValue(file, "s", "fits"));
}

TEST(ProfileString, CreationAndDestructionReadAndWriteOnlyWhenAsked)
{
    CProfileFixture fixture;
    const CFilePath file = fixture.Write("a.ini", "[s]\nkey=stored\n");

    // Read on create needs a key.
    EXPECT_STREQ("initial", CProfileString("initial", "s", "", file, FALSE, TRUE).GetValue());
    EXPECT_STREQ("initial", CProfileString("initial", "s", "key", file, FALSE, FALSE).GetValue());

    {
        CProfileString item("", "s", "key", file, TRUE, TRUE);
        item.SetValue("changed");
        item.SetValue("stored");  // back to what was read: nothing to write
        // Meanwhile someone else stores another value, which must survive.
        CProfileString("other", "s", "key", file, FALSE, FALSE).Write();
    }
    EXPECT_STREQ("other", ReadValue(file, "s", "key"));

    {
        CProfileString item("", "s", "key", file, TRUE, TRUE);
        item.SetValue("changed");
    }
    EXPECT_STREQ("changed", ReadValue(file, "s", "key"));

    {
        CProfileString item("unread", "s", "new", file, FALSE, FALSE);
    }
    EXPECT_STREQ("", ReadValue(file, "s", "new"));
}

TEST(ProfileSection, ListsKeysInFileOrderOnlyWhileThereAreAny)
{
    CProfileFixture fixture;
    const CFilePath file = fixture.Write("a.ini",
                                         "[first]\nzeta=1\nalpha=\nMid=3\n"
                                         "[empty]\n"
                                         "[blanks]\na=\nb=\n");

    EXPECT_EQ((std::vector<CString>{"zeta", "alpha", "Mid"}), ListKeys(file, "first"));
    EXPECT_EQ((std::vector<CString>{"a", "b"}), ListKeys(file, "blanks"));
    EXPECT_TRUE(ListKeys(file, "empty").empty());
    EXPECT_TRUE(ListKeys(file, "missing").empty());
    EXPECT_TRUE(ListKeys(fixture.PathOf("none.ini"), "first").empty());

    // Next without First, and Next after the end, hand out nothing.
    CProfileSection section("first");
    section.SetFile(file);
    CProfileString item;
    EXPECT_FALSE(section.Next(item));
    ASSERT_TRUE(section.First(item));
    EXPECT_STREQ("zeta", item.GetKey());
    EXPECT_TRUE(section.Next(item));
    EXPECT_TRUE(section.Next(item));
    EXPECT_FALSE(section.Next(item));
    EXPECT_FALSE(section.Next(item));
    // A new First starts over.
    ASSERT_TRUE(section.First(item));
    EXPECT_STREQ("zeta", item.GetKey());
}

// Key lists around the first buffer of 256 bytes (and its doublings): every
// name whole, none lost.
TEST(ProfileSection, NeverHandsOutACutKeyName)
{
    CProfileFixture fixture;
    // Each key takes its length plus one NUL in the list.
    for (int nTotal : {250, 253, 254, 255, 256, 257, 510, 511, 512, 1500}) {
        SCOPED_TRACE(nTotal);
        std::vector<CString> expected;
        CString strText("[s]\n");
        int nUsed = 0;
        for (int nKey = 0; nUsed < nTotal; nKey++) {
            const int nLength = std::min(40, nTotal - nUsed - 1);
            CString strKey;
            strKey.Format("k%d_", nKey);
            if (nLength < strKey.GetLength()) {  // too short for a distinct name
                nUsed = nTotal;
                break;
            }
            strKey += CString('n', nLength - strKey.GetLength());
            expected.push_back(strKey);
            strText += strKey + "=v\n";
            nUsed += nLength + 1;
        }
        CString strName;
        strName.Format("keys%d.ini", nTotal);
        EXPECT_EQ(expected, ListKeys(fixture.Write(strName, strText), "s"));
    }
}

TEST(ProfileItem, EmptyPathMeansTheProgramsDefaultFile)
{
    CFilePath program;
    program.SetToModulePath();
    CString strTitle;
    program.GetFileTitle(strTitle);
    EXPECT_STREQ(strTitle + ".INI", GetProfileFileText(CFilePath()));
    EXPECT_STREQ("C:\\x\\a.ini", GetProfileFileText(CFilePath("C:\\x\\a.ini")));
}

}  // namespace
