#include "CRegistryString.h"

IMPLEMENT_DYNAMIC(CRegistryString, CRegistryValue)

CRegistryString::CRegistryString(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszValueName,
                                 LPCTSTR pszDefault, BOOL bLoadNow, BOOL bAutoSave)
    : CRegistryValue(hRoot, pszSubKey, pszValueName, bAutoSave)
{
    if (bLoadNow)
        Load(pszDefault);
}

CRegistryString::~CRegistryString()
{
    if (m_bDirty && m_bAutoSave)
        Save();
}

BOOL CRegistryString::Load(LPCTSTR pszDefault)
{
    m_strValue = pszDefault;
    return OpenForLoad() && QueryString(m_strValueName, m_strValue);
}

BOOL CRegistryString::Save()
{
    if (!EnsureKeyForSave() || !SetString(m_strValueName, m_strValue))
        return FALSE;
    m_bDirty = FALSE;
    return TRUE;
}

void CRegistryString::SetValue(LPCTSTR pszValue)
{
    m_strValue = pszValue;
    m_bDirty = TRUE;
}
