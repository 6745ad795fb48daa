// CSharedDllCount against the real registry: HKLM\...\SharedDLLs, one value
// per file, named by a path of this test's own.
#include "CSharedDllCount.h"

#include <gtest/gtest.h>

namespace
{

const char s_szSharedDlls[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

enum class Stored
{
    None,
    Dword,
    String,
};

struct CCountCase
{
    const char* pszName;
    Stored nStored;
    DWORD dwStored;
    bool bIncrement;
    bool bExpectValue;  // a DWORD value is there afterwards
    DWORD dwExpected;
    BOOL bUsed;         // IsUsed after the change
};

std::ostream& operator<<(std::ostream& os, const CCountCase& countCase)
{
    return os << countCase.pszName;
}

const CCountCase s_countCases[] = {
    { "ThreeBecomesFour", Stored::Dword, 3, true, true, 4, TRUE },
    { "MissingBecomesOne", Stored::None, 0, true, true, 1, TRUE },
    { "OtherTypeCountsAsZero", Stored::String, 7, true, true, 1, TRUE },
    { "LargestCountStays", Stored::Dword, MAXDWORD, true, true, MAXDWORD, TRUE },
    { "TwoBecomesOne", Stored::Dword, 2, false, true, 1, TRUE },
    { "OneBecomesZeroAndIsDeleted", Stored::Dword, 1, false, false, 0, FALSE },
    { "ZeroStaysZeroAndIsDeleted", Stored::Dword, 0, false, false, 0, FALSE },
    { "MissingStaysMissing", Stored::None, 0, false, false, 0, FALSE },
};

class SharedDllCount : public ::testing::TestWithParam<CCountCase>
{
protected:
    void SetUp() override
    {
        m_strPath.Format("C:\\VelmoTests\\%s-%lu.DLL", GetParam().pszName, GetCurrentProcessId());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, s_szSharedDlls, 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &m_hKey, nullptr));
    }

    void TearDown() override
    {
        RegDeleteValueA(m_hKey, m_strPath);
        RegCloseKey(m_hKey);
    }

    void Store(const CCountCase& countCase)
    {
        LONG lError = ERROR_SUCCESS;
        if (countCase.nStored == Stored::Dword)
            lError = RegSetValueExA(m_hKey, m_strPath, 0, REG_DWORD,
                                    reinterpret_cast<const BYTE*>(&countCase.dwStored), 4);
        if (countCase.nStored == Stored::String)
            lError = RegSetValueExA(m_hKey, m_strPath, 0, REG_SZ, reinterpret_cast<const BYTE*>("7"), 2);
        ASSERT_EQ(ERROR_SUCCESS, lError);
    }

    CString m_strPath;
    HKEY m_hKey = nullptr;
};

TEST_P(SharedDllCount, IsChangedAndWrittenWhenTheObjectEnds)
{
    const CCountCase& countCase = GetParam();
    Store(countCase);
    {
        CSharedDllCount count(m_strPath);
        if (countCase.bIncrement)
            count.Increment();
        else
            count.Decrement();
        EXPECT_EQ(countCase.bUsed, count.IsUsed());
    }

    DWORD dwType = REG_NONE;
    DWORD dwValue = 0;
    DWORD dwSize = sizeof(dwValue);
    const LONG lError = RegQueryValueExA(m_hKey, m_strPath, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue),
                                         &dwSize);
    if (!countCase.bExpectValue)
    {
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, lError);
        return;
    }
    ASSERT_EQ(ERROR_SUCCESS, lError);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), dwType);
    EXPECT_EQ(countCase.dwExpected, dwValue);
}

INSTANTIATE_TEST_SUITE_P(Counts, SharedDllCount, ::testing::ValuesIn(s_countCases),
                         [](const ::testing::TestParamInfo<CCountCase>& info) { return info.param.pszName; });

TEST(SharedDllCountPath, EmptyPathLeavesTheKeysDefaultValueAlone)
{
    {
        CSharedDllCount count("");
        count.Increment();
    }
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, s_szSharedDlls, 0, nullptr, 0, KEY_READ, nullptr,
                                             &hKey, nullptr));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(hKey, "", nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(hKey);
}

}
