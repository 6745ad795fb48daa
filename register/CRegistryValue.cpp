#include "CRegistryValue.h"

IMPLEMENT_DYNAMIC(CRegistryValue, CRegistryKey)

CRegistryValue::CRegistryValue(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszValueName, BOOL bAutoSave)
    : m_hRoot(hRoot), m_strSubKey(pszSubKey), m_strValueName(pszValueName), m_bAutoSave(bAutoSave)
{
}

BOOL CRegistryValue::OpenForLoad()
{
    return Open(m_hRoot, m_strSubKey, KEY_ALL_ACCESS);
}

BOOL CRegistryValue::EnsureKeyForSave()
{
    return m_hKey != nullptr || Create(m_hRoot, m_strSubKey, nullptr, KEY_ALL_ACCESS);
}
