// CFileVersion and ShouldReplace on real PE files with version resources
// (built by this test build's resource compiler) and real file times.
#include "CFileVersion.h"
#include "InstallTestSupport.h"
#include "ShouldReplace.h"

#include <gtest/gtest.h>

namespace
{

const char s_szV1_2[] = "version_1_2_0_0.dll";
const char s_szV1_10[] = "version_1_10_0_0.dll";
const char s_szV2_0[] = "version_2_0_0_0.dll";
const char s_szV1_99[] = "version_1_99_99_99.dll";
const char s_szNone[] = "version_none.dll";
const char s_szNoFixed[] = "version_nofixed.dll";

TEST(FileVersion, ReadsTheFourParts)
{
    CFileVersion version;
    ASSERT_TRUE(version.LoadVersionInfo(FixturePath(s_szV1_99)));
    WORD wMajor = 0;
    WORD wMinor = 0;
    WORD wBuild = 0;
    WORD wRevision = 0;
    ASSERT_TRUE(version.GetVersion(wMajor, wMinor, &wBuild, &wRevision));
    EXPECT_EQ(1, wMajor);
    EXPECT_EQ(99, wMinor);
    EXPECT_EQ(99, wBuild);
    EXPECT_EQ(99, wRevision);
    VS_FIXEDFILEINFO info;
    ASSERT_TRUE(version.GetFixedInfo(info));
    EXPECT_EQ(static_cast<DWORD>(VS_FFI_SIGNATURE), info.dwSignature);
}

TEST(FileVersion, FilesWithoutAUsableVersion)
{
    CFileVersion none;
    EXPECT_FALSE(none.LoadVersionInfo(FixturePath(s_szNone)));
    VS_FIXEDFILEINFO info;
    EXPECT_FALSE(none.GetFixedInfo(info));

    // The platform answers for the root of this block with 0 bytes: there is
    // no record to read, and reading one would run past the block.
    CFileVersion noFixed;
    EXPECT_TRUE(noFixed.LoadVersionInfo(FixturePath(s_szNoFixed)));
    EXPECT_FALSE(noFixed.GetFixedInfo(info));
    WORD wMajor = 7;
    WORD wMinor = 7;
    EXPECT_FALSE(noFixed.GetVersion(wMajor, wMinor));
    EXPECT_EQ(7, wMajor);

    CFileVersion missing;
    EXPECT_FALSE(missing.LoadVersionInfo(FixturePath("no_such_file.dll")));
}

struct CNewerCase
{
    const char* pszThis;
    const char* pszOther;
    BOOL bNewer;
};

TEST(FileVersion, IsNewerThanComparesPartByPart)
{
    const CNewerCase cases[] = {
        { s_szV1_2, s_szV1_10, FALSE },  // 2 < 10, not "1.2" > "1.10"
        { s_szV1_10, s_szV1_2, TRUE },
        { s_szV2_0, s_szV1_99, TRUE },
        { s_szV1_99, s_szV2_0, FALSE },
        { s_szV1_2, s_szV1_2, FALSE },
        { s_szV2_0, s_szNoFixed, FALSE },  // nothing to compare with
        { s_szNoFixed, s_szV1_2, FALSE },
    };
    for (const CNewerCase& newerCase : cases)
    {
        CFileVersion versionThis;
        CFileVersion versionOther;
        versionThis.LoadVersionInfo(FixturePath(newerCase.pszThis));
        versionOther.LoadVersionInfo(FixturePath(newerCase.pszOther));
        EXPECT_EQ(newerCase.bNewer, versionThis.IsNewerThan(versionOther))
            << newerCase.pszThis << " against " << newerCase.pszOther;
    }
}

struct CReplaceCase
{
    const char* pszName;
    const char* pszNew;
    const char* pszExisting;
    LONGLONG nNewTime;  // milliseconds after the existing file's time
    BOOL bReplace;
};

std::ostream& operator<<(std::ostream& os, const CReplaceCase& replaceCase)
{
    return os << replaceCase.pszName;
}

// Where versions decide, the times say the opposite: a rule that looked at
// the dates would fail these cases.
const CReplaceCase s_replaceCases[] = {
    { "MinorTwoAgainstTen", s_szV1_2, s_szV1_10, 60000, FALSE },
    { "MinorTenAgainstTwo", s_szV1_10, s_szV1_2, -60000, TRUE },
    { "MajorTwoAgainstOne99", s_szV2_0, s_szV1_99, -60000, TRUE },
    { "EqualVersionsKept", s_szV1_2, s_szV1_2, 60000, FALSE },
    { "OnlyNewHasVersion", s_szV1_2, s_szNone, -60000, TRUE },
    { "OnlyExistingHasVersion", s_szNone, s_szV1_2, 60000, FALSE },
    // Without a fixed record a version resource counts as none.
    { "NoFixedRecordAgainstVersion", s_szNoFixed, s_szV1_2, 60000, FALSE },
    { "VersionAgainstNoFixedRecord", s_szV1_2, s_szNoFixed, -60000, TRUE },
    { "NoFixedRecordByDateLater", s_szNoFixed, s_szNone, 1000, TRUE },
    { "NoFixedRecordByDateEarlier", s_szNone, s_szNoFixed, -1000, FALSE },
    // Neither has a version: the times in whole seconds.
    { "OneSecondLater", s_szNone, s_szNone, 1000, TRUE },
    { "SameTime", s_szNone, s_szNone, 0, FALSE },
    { "LaterWithinTheSameSecond", s_szNone, s_szNone, 500, FALSE },
    { "OneSecondEarlier", s_szNone, s_szNone, -1000, FALSE },
};

class ReplaceRule : public CTestDirectoryTest, public ::testing::WithParamInterface<CReplaceCase>
{
};

TEST_P(ReplaceRule, Decides)
{
    const CReplaceCase& replaceCase = GetParam();
    const CString strNew = InDir("0a1b2c3d.dll");
    const CString strExisting = InDir("shared.dll");
    ASSERT_TRUE(CopyFileA(FixturePath(replaceCase.pszNew), strNew, FALSE));
    ASSERT_TRUE(CopyFileA(FixturePath(replaceCase.pszExisting), strExisting, FALSE));
    // 2026-01-01 00:00:00.200 UTC, so that +500 ms stays in the same second.
    const LONGLONG nExistingTime = 1767225600200LL;
    SetWriteTime(strExisting, nExistingTime);
    SetWriteTime(strNew, nExistingTime + replaceCase.nNewTime);

    EXPECT_EQ(replaceCase.bReplace, ShouldReplace(CFilePath(strNew), CFilePath(strExisting)));
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceRule, ::testing::ValuesIn(s_replaceCases),
                         [](const ::testing::TestParamInfo<CReplaceCase>& info) { return info.param.pszName; });

}
