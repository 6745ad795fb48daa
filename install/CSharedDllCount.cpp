#include "CSharedDllCount.h"

IMPLEMENT_DYNAMIC(CSharedDllCount, CRegistryDword)

CSharedDllCount::CSharedDllCount(LPCTSTR pszPath)
    : CRegistryDword(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", pszPath,
                     0, TRUE, TRUE)
{
}

CSharedDllCount::~CSharedDllCount()
{
    m_bAutoSave = FALSE;
    // Without a path the value name would be the key's default value.
    if (m_strValueName.IsEmpty())
        return;
    if (m_dwValue != 0)
    {
        Save();
        return;
    }
    DeleteValue(m_strValueName);
    Close();
}

void CSharedDllCount::Increment()
{
    if (m_dwValue != MAXDWORD)
        m_dwValue++;
}

void CSharedDllCount::Decrement()
{
    if (m_dwValue != 0)
        m_dwValue--;
}
