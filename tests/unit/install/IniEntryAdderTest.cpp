// CIniEntryAdder (and the rewriter under it) on real files: every edit it
// makes, and that neither success nor failure leaves its temporary file.
#include "CException.h"
#include "CIniEntryAdder.h"
#include "InstallTestSupport.h"
#include "TextOperations.h"

#include <gtest/gtest.h>

namespace
{

const char s_szKey[] = "C:\\WINDOWS\\SYSTEM\\SHARED.DLL";
const char s_szValue[] = "C:\\WINDOWS\\SYSTEM\\0A1B2C3D.DLL";
const char s_szLine[] = "C:\\WINDOWS\\SYSTEM\\SHARED.DLL=C:\\WINDOWS\\SYSTEM\\0A1B2C3D.DLL\r\n";

struct CAddCase
{
    const char* pszName;
    bool bFileExists;
    std::string strBefore;
    std::string strAfter;
};

std::ostream& operator<<(std::ostream& os, const CAddCase& addCase)
{
    return os << addCase.pszName;
}

const CAddCase s_addCases[] = {
    { "MissingFile", false, "", std::string("[rename]\r\n") + s_szLine },
    { "EmptyFile", true, "", std::string("[rename]\r\n") + s_szLine },
    // The look-alike line in [other] is not the entry and stays where it is.
    { "SectionFollowedByAnother", true,
      "[rename]\r\nA=B\r\n[other]\r\nC:\\WINDOWS\\SYSTEM\\SHARED.DLL=C:\\WINDOWS\\SYSTEM\\0A1B2C3D.DLL\r\nX=Y\r\n",
      std::string("[rename]\r\nA=B\r\n") + s_szLine
          + "[other]\r\nC:\\WINDOWS\\SYSTEM\\SHARED.DLL=C:\\WINDOWS\\SYSTEM\\0A1B2C3D.DLL\r\nX=Y\r\n" },
    { "LastSection", true, "[other]\r\nX=Y\r\n[rename]\r\nA=B\r\n",
      std::string("[other]\r\nX=Y\r\n[rename]\r\nA=B\r\n") + s_szLine },
    { "SectionMissing", true, "; comment\r\n[other]\r\nX=Y\r\n",
      std::string("; comment\r\n[other]\r\nX=Y\r\n[rename]\r\n") + s_szLine },
    { "HeaderInCapitals", true, "[RENAME]\r\nA=B\r\n[other]\r\n",
      std::string("[RENAME]\r\nA=B\r\n") + s_szLine + "[other]\r\n" },
    { "HeaderWithBlanks", true, "  [rename]  \r\n[other]\r\n", std::string("  [rename]  \r\n") + s_szLine + "[other]\r\n" },
    // A last line without its line end must not run into the new one.
    { "LastLineWithoutLineEnd", true, "[rename]\r\nA=B", std::string("[rename]\r\nA=B\r\n") + s_szLine },
    // Already there (other case, blanks around): the file is not touched at
    // all, so even its Unix line ends stay.
    { "IdenticalLineThere", true, "[rename]\n  c:\\windows\\system\\shared.dll=C:\\WINDOWS\\SYSTEM\\0a1b2c3d.dll  \n[other]\n",
      "[rename]\n  c:\\windows\\system\\shared.dll=C:\\WINDOWS\\SYSTEM\\0a1b2c3d.dll  \n[other]\n" },
    // The same line in another section does not count.
    { "IdenticalLineInOtherSection", true, std::string("[other]\r\n") + s_szLine,
      std::string("[other]\r\n") + s_szLine + "[rename]\r\n" + s_szLine },
    // Text mode must not end the file early at a Ctrl-Z or cut a line at a NUL.
    { "ControlBytesKept", true, std::string("[other]\r\nA=\x1a\r\nB=x\0y\r\n", 21),
      std::string("[other]\r\nA=\x1a\r\nB=x\0y\r\n", 21) + "[rename]\r\n" + s_szLine },
};

class IniEntryAdder : public CTestDirectoryTest, public ::testing::WithParamInterface<CAddCase>
{
};

TEST_P(IniEntryAdder, AddsTheLineWhereItBelongs)
{
    const CAddCase& addCase = GetParam();
    const CString strIni = InDir("wininit.ini");
    if (addCase.bFileExists)
        WriteBytes(strIni, addCase.strBefore);

    EXPECT_TRUE(CIniEntryAdder(strIni).AddEntry("rename", s_szKey, s_szValue));

    EXPECT_EQ(addCase.strAfter, ReadBytes(strIni));
    EXPECT_EQ(std::vector<std::string>{ "wininit.ini" }, ListNames());
}

INSTANTIATE_TEST_SUITE_P(Edits, IniEntryAdder, ::testing::ValuesIn(s_addCases),
                         [](const ::testing::TestParamInfo<CAddCase>& info) { return info.param.pszName; });

class IniEntryAdderFile : public CTestDirectoryTest
{
};

TEST_F(IniEntryAdderFile, TheSameEntryTwiceIsWrittenOnce)
{
    const CString strIni = InDir("wininit.ini");
    CIniEntryAdder(strIni).AddEntry("rename", s_szKey, s_szValue);
    CIniEntryAdder(strIni).AddEntry("RENAME", s_szKey, s_szValue);
    EXPECT_EQ(std::string("[rename]\r\n") + s_szLine, ReadBytes(strIni));
}

TEST_F(IniEntryAdderFile, LongPathsMakeOneWholeLine)
{
    const CString strIni = InDir("wininit.ini");
    const CString strKey = "C:\\" + CString('k', 250) + ".DLL";
    const CString strValue = "C:\\" + CString('v', 250) + ".DLL";
    CIniEntryAdder(strIni).AddEntry("rename", strKey, strValue);
    EXPECT_EQ(std::string("[rename]\r\n") + static_cast<const char*>(strKey) + "="
                  + static_cast<const char*>(strValue) + "\r\n",
              ReadBytes(strIni));
}

TEST_F(IniEntryAdderFile, ReadOnlyFileIsRewritten)
{
    const CString strIni = InDir("wininit.ini");
    WriteBytes(strIni, "[rename]\r\n");
    ASSERT_TRUE(SetFileAttributesA(strIni, FILE_ATTRIBUTE_READONLY));
    CIniEntryAdder(strIni).AddEntry("rename", s_szKey, s_szValue);
    EXPECT_EQ(std::string("[rename]\r\n") + s_szLine, ReadBytes(strIni));
    EXPECT_EQ(std::vector<std::string>{ "wininit.ini" }, ListNames());
}

// The failures: each throws the file exception, leaves the file as it was
// and removes the temporary file.
enum class Blocker
{
    // Another program has the file open and shares nothing: it cannot be
    // read, and must not be taken for a missing file (which would drop its
    // lines).
    ExclusiveHandle,
    // Another program reads the file and does not share deleting: it can be
    // read but not replaced.
    ReaderWithoutDeleteShare,
};

class IniEntryAdderFailure : public CTestDirectoryTest, public ::testing::WithParamInterface<Blocker>
{
};

TEST_P(IniEntryAdderFailure, ThrowsAndLeavesTheFileAsItWas)
{
    const CString strIni = InDir("wininit.ini");
    const std::string strBefore = "[rename]\r\nA=B\r\n";
    WriteBytes(strIni, strBefore);
    const bool bExclusive = GetParam() == Blocker::ExclusiveHandle;
    HANDLE hFile = CreateFileA(strIni, GENERIC_READ, bExclusive ? 0 : FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);

    int nCause = CFileException::none;
    try
    {
        CIniEntryAdder(strIni).AddEntry("rename", s_szKey, s_szValue);
    }
    catch (CException* e)
    {
        CExceptionGuard guard(e);
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        nCause = static_cast<CFileException*>(e)->m_cause;
    }
    CloseHandle(hFile);

    EXPECT_NE(CFileException::none, nCause);
    EXPECT_EQ(strBefore, ReadBytes(strIni));
    EXPECT_EQ(std::vector<std::string>{ "wininit.ini" }, ListNames());
}

INSTANTIATE_TEST_SUITE_P(Blocked, IniEntryAdderFailure,
                         ::testing::Values(Blocker::ExclusiveHandle, Blocker::ReaderWithoutDeleteShare),
                         [](const ::testing::TestParamInfo<Blocker>& info) {
                             return info.param == Blocker::ExclusiveHandle ? "ExclusiveHandle"
                                                                           : "ReaderWithoutDeleteShare";
                         });

TEST_F(IniEntryAdderFile, NoFreeTemporaryNameWritesNothing)
{
    // The names are drawn from a fixed sequence: take all thousand tries.
    RestartRandomNamesForTesting();
    for (int nName = 0; nName < 1000; nName++)
        WriteBytes(InDir(MakeRandomName(8) + ".ini"), "taken");
    RestartRandomNamesForTesting();
    const CString strIni = InDir("wininit.ini");
    WriteBytes(strIni, "[rename]\r\n");

    int nCause = CFileException::none;
    try
    {
        CIniEntryAdder(strIni).AddEntry("rename", s_szKey, s_szValue);
    }
    catch (CException* e)
    {
        CExceptionGuard guard(e);
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        nCause = static_cast<CFileException*>(e)->m_cause;
    }
    EXPECT_EQ(CFileException::directoryFull, nCause);
    EXPECT_EQ("[rename]\r\n", ReadBytes(strIni));
    EXPECT_EQ(1001u, ListNames().size());
    RestartRandomNamesForTesting();
    EXPECT_EQ("taken", ReadBytes(InDir(MakeRandomName(8) + ".ini")));
}

}
