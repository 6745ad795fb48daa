#include "CRegistryDword.h"

IMPLEMENT_DYNAMIC(CRegistryDword, CRegistryValue)

CRegistryDword::CRegistryDword(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszValueName,
                               DWORD dwDefault, BOOL bLoadNow, BOOL bAutoSave)
    : CRegistryValue(hRoot, pszSubKey, pszValueName, bAutoSave), m_dwValue(dwDefault)
{
    if (bLoadNow)
        Load(dwDefault);
}

CRegistryDword::~CRegistryDword()
{
    if (m_bDirty && m_bAutoSave)
        Save();
}

BOOL CRegistryDword::Load(DWORD dwDefault)
{
    m_dwValue = dwDefault;
    return OpenForLoad() && QueryDword(m_strValueName, m_dwValue);
}

BOOL CRegistryDword::Save()
{
    if (!EnsureKeyForSave() || !SetDword(m_strValueName, m_dwValue))
        return FALSE;
    m_bDirty = FALSE;
    return TRUE;
}

void CRegistryDword::SetValue(DWORD dwValue)
{
    m_dwValue = dwValue;
    m_bDirty = TRUE;
}
