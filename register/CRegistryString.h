// CRegistryString: one REG_SZ value. Made with the load flag it reads the
// value at once (the default text stays when the key or the value is missing
// or the value has another type); made with the save flag it writes a changed
// text back when it ends.
#pragma once

#include "CRegistryValue.h"

class CRegistryString : public CRegistryValue
{
    DECLARE_DYNAMIC(CRegistryString)
public:
    // pszDefault may be null (an empty text).
    CRegistryString(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszValueName, LPCTSTR pszDefault,
                    BOOL bLoadNow, BOOL bAutoSave);
    ~CRegistryString() override;

    BOOL Load(LPCTSTR pszDefault);
    BOOL Save();

    const CString& GetValue() const { return m_strValue; }
    void SetValue(LPCTSTR pszValue);

private:
    CString m_strValue;
};
