// The application's registry entries under HKEY_LOCAL_MACHINE, read back
// through the registry calls and through reg.exe, as a user would see them.
#include "ApplicationEntries.h"
#include "CRegistryKey.h"
#include "RegQuery.h"

#include <gtest/gtest.h>

namespace
{

const char s_szAppPaths[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
const char s_szUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// The REG_SZ value, or "<missing>".
CString ReadString(const CString& strKey, const char* pszName)
{
    CRegistryKey key;
    CString strValue("<missing>");
    if (key.Open(HKEY_LOCAL_MACHINE, strKey, KEY_READ))
        key.QueryString(pszName, strValue);
    return strValue;
}

bool KeyExists(const CString& strKey)
{
    return CRegistryKey().Open(HKEY_LOCAL_MACHINE, strKey, KEY_READ);
}

struct CAppPathCase
{
    const char* pszProgram;
    const char* pszFileName;
    const char* pszDirectory;
};

TEST(ApplicationEntries, AppPathHoldsTheProgramAndItsDirectory)
{
    const CAppPathCase cases[] = {
        { "C:\\Tools\\velmo-test-tools.exe", "velmo-test-tools.exe", "C:\\Tools" },
        { "C:\\velmo-test-root.exe", "velmo-test-root.exe", "C:\\" },  // a drive root keeps its backslash
    };
    for (const CAppPathCase& appPathCase : cases)
    {
        const CString strKey = CString(s_szAppPaths) + "\\" + appPathCase.pszFileName;
        RegisterAppPath(appPathCase.pszProgram);

        EXPECT_EQ(CString(appPathCase.pszProgram), ReadString(strKey, ""));
        EXPECT_EQ(CString(appPathCase.pszDirectory), ReadString(strKey, "Path"));
        const std::string strShown = RegQuery("\"HKLM\\" + std::string(strKey) + "\"");
        EXPECT_NE(std::string::npos,
                  strShown.find("    (Default)    REG_SZ    " + std::string(appPathCase.pszProgram) + "\r\n"))
            << strShown;
        EXPECT_NE(std::string::npos,
                  strShown.find("    Path    REG_SZ    " + std::string(appPathCase.pszDirectory) + "\r\n"))
            << strShown;

        UnregisterAppPath(appPathCase.pszProgram);
        EXPECT_FALSE(KeyExists(strKey));
        EXPECT_EQ("", RegQuery("\"HKLM\\" + std::string(strKey) + "\""));
    }
}

TEST(ApplicationEntries, RegisteringAgainReplacesTheValuesInTheSameKey)
{
    const CString strKey = CString(s_szAppPaths) + "\\velmo-test-again.exe";
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, strKey, nullptr, KEY_ALL_ACCESS));
    key.SetString("", "D:\\Old\\velmo-test-again.exe");
    key.SetString("Path", "D:\\Old");
    key.SetString("Other", "kept");
    key.Close();

    RegisterAppPath("C:\\New\\velmo-test-again.exe");
    EXPECT_EQ(CString("C:\\New\\velmo-test-again.exe"), ReadString(strKey, ""));
    EXPECT_EQ(CString("C:\\New"), ReadString(strKey, "Path"));
    EXPECT_EQ(CString("kept"), ReadString(strKey, "Other"));
    UnregisterAppPath("C:\\New\\velmo-test-again.exe");
    EXPECT_FALSE(KeyExists(strKey));
}

TEST(ApplicationEntries, UninstallEntryIsWrittenReplacedAndRemoved)
{
    const char szEntry[] = "Velmo Test Entry";
    const CString strKey = CString(s_szUninstall) + "\\" + szEntry;
    RegisterUninstall("C:\\Old\\setup.exe /U", szEntry, "Old name");
    RegisterUninstall("C:\\Velmo\\setup.exe /U", szEntry, "Velmo Test Entry");

    EXPECT_EQ(CString("Velmo Test Entry"), ReadString(strKey, "DisplayName"));
    EXPECT_EQ(CString("C:\\Velmo\\setup.exe /U"), ReadString(strKey, "UninstallString"));
    const std::string strShown = RegQuery("\"HKLM\\" + std::string(strKey) + "\"");
    EXPECT_NE(std::string::npos, strShown.find("    DisplayName    REG_SZ    Velmo Test Entry\r\n")) << strShown;
    EXPECT_NE(std::string::npos, strShown.find("    UninstallString    REG_SZ    C:\\Velmo\\setup.exe /U\r\n"))
        << strShown;

    UnregisterUninstall(szEntry);
    EXPECT_FALSE(KeyExists(strKey));
}

// The product defines no program file name: the App Paths operations get a
// path without one, and must leave the shared App Paths key alone. The same
// holds for an empty entry name and the shared Uninstall key.
TEST(ApplicationEntries, EmptyNamesLeaveTheSharedKeysAlone)
{
    const CString strCanary = CString(s_szAppPaths) + "\\velmo-test-canary.exe";
    const CString strUninstallCanary = CString(s_szUninstall) + "\\Velmo Test Canary";
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, strCanary, nullptr, KEY_ALL_ACCESS));
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, strUninstallCanary, nullptr, KEY_ALL_ACCESS));
    key.Close();

    for (const char* pszProgram : { "C:\\Tools\\", "" })
    {
        RegisterAppPath(pszProgram);
        UnregisterAppPath(pszProgram);
    }
    RegisterUninstall("C:\\Velmo\\setup.exe /U", "", "Velmo Dvi Plug-in");
    UnregisterUninstall("");

    EXPECT_EQ(CString("<missing>"), ReadString(s_szAppPaths, ""));
    EXPECT_EQ(CString("<missing>"), ReadString(s_szAppPaths, "Path"));
    EXPECT_TRUE(KeyExists(strCanary));
    EXPECT_EQ(CString("<missing>"), ReadString(s_szUninstall, "DisplayName"));
    EXPECT_EQ(CString("<missing>"), ReadString(s_szUninstall, "UninstallString"));
    EXPECT_TRUE(KeyExists(strUninstallCanary));

    RegDeleteKeyA(HKEY_LOCAL_MACHINE, strCanary);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, strUninstallCanary);
}

}
