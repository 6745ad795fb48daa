#include "ApplicationEntries.h"

#include "CFilePath.h"
#include "CRegistryKey.h"
#include "CRegistryString.h"

namespace
{
const char s_szAppPathsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const char s_szUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// The App Paths key of the program's file name; empty when the path has none.
CString GetAppPathKey(const CFilePath& path)
{
    CString strFileName;
    path.GetFileName(strFileName);
    return strFileName.IsEmpty() ? CString() : s_szAppPathsKey + strFileName;
}

CString GetUninstallKey(LPCTSTR pszEntryName)
{
    const CString strEntryName(pszEntryName);
    return strEntryName.IsEmpty() ? CString() : s_szUninstallKey + strEntryName;
}
}

void RegisterAppPath(LPCTSTR pszProgramPath)
{
    const CFilePath path(pszProgramPath);
    const CString strKey = GetAppPathKey(path);
    if (strKey.IsEmpty())
        return;
    CString strDirectory;
    path.GetDriveAndDirectory(strDirectory);

    CRegistryKey key;
    if (!key.Create(HKEY_LOCAL_MACHINE, strKey, nullptr, KEY_WRITE))
        return;
    key.SetString("", path.GetPath());
    key.SetString("Path", strDirectory);
}

void UnregisterAppPath(LPCTSTR pszProgramPath)
{
    const CString strKey = GetAppPathKey(CFilePath(pszProgramPath));
    if (!strKey.IsEmpty())
        CRegistryKey().DeleteKey(HKEY_LOCAL_MACHINE, strKey);
}

void RegisterUninstall(LPCTSTR pszCommandLine, LPCTSTR pszEntryName, LPCTSTR pszDisplayName)
{
    const CString strKey = GetUninstallKey(pszEntryName);
    if (strKey.IsEmpty())
        return;
    // Written when the objects end, UninstallString first: an entry that
    // shows in the list always has its command.
    CRegistryString displayName(HKEY_LOCAL_MACHINE, strKey, "DisplayName", nullptr, TRUE, TRUE);
    displayName.SetValue(pszDisplayName);
    CRegistryString uninstallString(HKEY_LOCAL_MACHINE, strKey, "UninstallString", nullptr, TRUE, TRUE);
    uninstallString.SetValue(pszCommandLine);
}

void UnregisterUninstall(LPCTSTR pszEntryName)
{
    const CString strKey = GetUninstallKey(pszEntryName);
    if (!strKey.IsEmpty())
        CRegistryKey().DeleteKey(HKEY_LOCAL_MACHINE, strKey);
}
