// CRegistryKey against the real registry, in a key of the test's own under
// HKEY_CURRENT_USER\Software\VelmoTests.
#include "CRegistryKey.h"

#include "RegistryTestKey.h"

#include <gtest/gtest.h>

namespace
{

class RegistryKey : public CRegistryTestKey
{
protected:
    void SetRaw(CRegistryKey& key, const char* pszName, DWORD dwType, const void* pData, DWORD dwSize)
    {
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(key.m_hKey, pszName, 0, dwType, static_cast<const BYTE*>(pData), dwSize));
    }

};

TEST_F(RegistryKey, WritesAndReadsValuesOfEachType)
{
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, m_strKey, nullptr, KEY_ALL_ACCESS));
    EXPECT_TRUE(key.SetString("Name", "some text"));
    EXPECT_TRUE(key.SetDword("Count", 42));
    EXPECT_TRUE(key.SetString("", "default"));

    CString strValue;
    EXPECT_TRUE(key.QueryString("Name", strValue));
    EXPECT_EQ(CString("some text"), strValue);
    EXPECT_TRUE(key.QueryString("", strValue));
    EXPECT_EQ(CString("default"), strValue);
    DWORD dwValue = 0;
    EXPECT_TRUE(key.QueryDword("Count", dwValue));
    EXPECT_EQ(42u, dwValue);

    // Written with the terminator: exactly length + 1 bytes.
    DWORD dwSize = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key.m_hKey, "Name", nullptr, nullptr, nullptr, &dwSize));
    EXPECT_EQ(10u, dwSize);

    EXPECT_TRUE(key.DeleteValue("Name"));
    strValue = "unchanged";
    EXPECT_FALSE(key.QueryString("Name", strValue));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.m_lError);
    EXPECT_EQ(CString("unchanged"), strValue);
}

TEST_F(RegistryKey, StringsStoredWithoutTerminatorReadWhole)
{
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, m_strKey, nullptr, KEY_ALL_ACCESS));
    SetRaw(key, "Bare", REG_SZ, "abc", 3);
    SetRaw(key, "Empty", REG_SZ, "", 0);
    CString strValue;
    EXPECT_TRUE(key.QueryString("Bare", strValue));
    EXPECT_EQ(CString("abc"), strValue);
    EXPECT_TRUE(key.QueryString("Empty", strValue));
    EXPECT_EQ(CString(""), strValue);
}

TEST_F(RegistryKey, ValueOfAnotherTypeIs1804AndLeavesTheVariable)
{
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, m_strKey, nullptr, KEY_ALL_ACCESS));
    const DWORD dwFive = 5;
    SetRaw(key, "Dword", REG_DWORD, &dwFive, 4);
    SetRaw(key, "Short", REG_SZ, "ab", 3);
    SetRaw(key, "Long", REG_SZ, "a longer text", 14);
    SetRaw(key, "Binary", REG_BINARY, "\1\2\3\4", 4);
    SetRaw(key, "Expand", REG_EXPAND_SZ, "%TEMP%", 7);

    for (const char* pszName : { "Dword", "Binary", "Expand" })
    {
        CString strValue("kept");
        EXPECT_FALSE(key.QueryString(pszName, strValue)) << pszName;
        EXPECT_EQ(ERROR_INVALID_DATATYPE, key.m_lError) << pszName;
        EXPECT_EQ(CString("kept"), strValue) << pszName;
    }
    for (const char* pszName : { "Short", "Long", "Binary" })
    {
        DWORD dwValue = 7;
        EXPECT_FALSE(key.QueryDword(pszName, dwValue)) << pszName;
        EXPECT_EQ(ERROR_INVALID_DATATYPE, key.m_lError) << pszName;
        EXPECT_EQ(7u, dwValue) << pszName;
    }
}

TEST_F(RegistryKey, MissingAndClosedKeysFailWithTheirCodes)
{
    CRegistryKey key;
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, m_strKey, KEY_READ));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.m_lError);
    EXPECT_EQ(nullptr, key.m_hKey);
    EXPECT_FALSE(key.DeleteKey(HKEY_CURRENT_USER, m_strKey));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.m_lError);

    CString strValue;
    DWORD dwValue = 0;
    EXPECT_FALSE(key.SetString("Name", "text"));
    EXPECT_EQ(ERROR_INVALID_HANDLE, key.m_lError);
    EXPECT_FALSE(key.SetDword("Count", 1));
    EXPECT_FALSE(key.QueryString("Name", strValue));
    EXPECT_FALSE(key.QueryDword("Count", dwValue));
    EXPECT_FALSE(key.DeleteValue("Name"));
    EXPECT_EQ(ERROR_INVALID_HANDLE, key.m_lError);
    EXPECT_TRUE(key.Close());

    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, m_strKey, nullptr, KEY_ALL_ACCESS));
    EXPECT_TRUE(key.Close());
    EXPECT_EQ(nullptr, key.m_hKey);
    EXPECT_TRUE(key.DeleteKey(HKEY_CURRENT_USER, m_strKey));
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, m_strKey, KEY_READ));
}

}
