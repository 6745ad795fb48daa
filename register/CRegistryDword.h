// CRegistryDword: one REG_DWORD value, loaded and saved like CRegistryString.
#pragma once

#include "CRegistryValue.h"

class CRegistryDword : public CRegistryValue
{
    DECLARE_DYNAMIC(CRegistryDword)
public:
    CRegistryDword(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszValueName, DWORD dwDefault,
                   BOOL bLoadNow, BOOL bAutoSave);
    ~CRegistryDword() override;

    BOOL Load(DWORD dwDefault);
    BOOL Save();

    DWORD GetValue() const { return m_dwValue; }
    void SetValue(DWORD dwValue);

protected:
    DWORD m_dwValue = 0;
};
