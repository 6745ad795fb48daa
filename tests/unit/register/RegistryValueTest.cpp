// CRegistryString and CRegistryDword: loaded when made, written back when
// they end if changed, against the real registry (a key of the test's own
// under HKEY_CURRENT_USER\Software\VelmoTests).
#include "CRegistryDword.h"
#include "CRegistryString.h"

#include "RegistryTestKey.h"

#include <gtest/gtest.h>

namespace
{

class RegistryValue : public CRegistryTestKey
{
protected:
    bool KeyExists() const
    {
        HKEY hKey = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, m_strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        RegCloseKey(hKey);
        return true;
    }

    // The stored value's type and bytes; type REG_NONE when there is none.
    DWORD ReadRaw(const char* pszName, std::string& strData) const
    {
        HKEY hKey = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, m_strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return REG_NONE;
        char buffer[256];
        DWORD dwType = REG_NONE;
        DWORD dwSize = sizeof(buffer);
        const LONG lError = RegQueryValueExA(hKey, pszName, nullptr, &dwType, reinterpret_cast<BYTE*>(buffer), &dwSize);
        RegCloseKey(hKey);
        if (lError != ERROR_SUCCESS)
            return REG_NONE;
        strData.assign(buffer, dwSize);
        return dwType;
    }

    void StoreRaw(const char* pszName, DWORD dwType, const void* pData, DWORD dwSize) const
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, m_strKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                                 &hKey, nullptr));
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(hKey, pszName, 0, dwType, static_cast<const BYTE*>(pData), dwSize));
        RegCloseKey(hKey);
    }

};

TEST_F(RegistryValue, StringIsReadWhenMadeAndWrittenWhenItEnds)
{
    {
        CRegistryString value(HKEY_CURRENT_USER, m_strKey, "Name", "default", TRUE, TRUE);
        EXPECT_EQ(CString("default"), value.GetValue());
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, value.m_lError);
        value.SetValue("first");
        EXPECT_FALSE(KeyExists());  // nothing is written before the end
    }
    std::string strData;
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), ReadRaw("Name", strData));
    EXPECT_EQ(std::string("first", 6), strData);

    CRegistryString value(HKEY_CURRENT_USER, m_strKey, "Name", nullptr, TRUE, TRUE);
    EXPECT_EQ(CString("first"), value.GetValue());
    EXPECT_EQ(ERROR_SUCCESS, value.m_lError);
}

TEST_F(RegistryValue, StringLoadedButNeverSetWritesNothing)
{
    {
        CRegistryString value(HKEY_CURRENT_USER, m_strKey, "Name", "default", TRUE, TRUE);
    }
    EXPECT_FALSE(KeyExists());

    const DWORD dwFive = 5;
    StoreRaw("Name", REG_DWORD, &dwFive, 4);
    {
        CRegistryString value(HKEY_CURRENT_USER, m_strKey, "Name", "default", TRUE, TRUE);
        EXPECT_EQ(CString("default"), value.GetValue());
        EXPECT_EQ(ERROR_INVALID_DATATYPE, value.m_lError);
    }
    std::string strData;
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ReadRaw("Name", strData));
}

TEST_F(RegistryValue, WithoutAutoSaveOnlySaveWrites)
{
    {
        CRegistryString value(HKEY_CURRENT_USER, m_strKey, "Name", nullptr, TRUE, FALSE);
        value.SetValue("never");
    }
    EXPECT_FALSE(KeyExists());

    CRegistryDword value(HKEY_CURRENT_USER, m_strKey, "Count", 0, FALSE, FALSE);
    value.SetValue(9);
    EXPECT_TRUE(value.IsDirty());
    EXPECT_TRUE(value.Save());
    EXPECT_FALSE(value.IsDirty());
    std::string strData;
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ReadRaw("Count", strData));
    EXPECT_EQ(std::string("\x09\0\0\0", 4), strData);
}

TEST_F(RegistryValue, DwordKeepsItsDefaultForAnotherType)
{
    StoreRaw("Count", REG_SZ, "12", 3);
    {
        CRegistryDword value(HKEY_CURRENT_USER, m_strKey, "Count", 3, TRUE, TRUE);
        EXPECT_EQ(3u, value.GetValue());
        EXPECT_EQ(ERROR_INVALID_DATATYPE, value.m_lError);
        value.SetValue(value.GetValue() + 1);
    }
    std::string strData;
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ReadRaw("Count", strData));
    EXPECT_EQ(std::string("\x04\0\0\0", 4), strData);

    CRegistryDword value(HKEY_CURRENT_USER, m_strKey, "Count", 0, TRUE, TRUE);
    EXPECT_EQ(4u, value.GetValue());
}

TEST_F(RegistryValue, FailedSaveAnswersFalseAndStaysDirty)
{
    // No such root: the key cannot be created.
    CRegistryString value(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234)), m_strKey, "Name", nullptr, TRUE,
                          TRUE);
    value.SetValue("lost");
    EXPECT_FALSE(value.Save());
    EXPECT_TRUE(value.IsDirty());
}

}
