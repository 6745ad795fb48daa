// CRegistryValue: what the string and the double-word value classes share:
// one value of one key, loaded when made and written back when changed.
// The key stays open from the load to the end of the object, so that a later
// Save writes to the same key.
#pragma once

#include "CRegistryKey.h"

class CRegistryValue : public CRegistryKey
{
    DECLARE_DYNAMIC(CRegistryValue)
public:
    // pszValueName empty or null names the key's default value.
    CRegistryValue(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszValueName, BOOL bAutoSave);

    BOOL IsDirty() const { return m_bDirty; }

protected:
    // Opens the key with full access for reading (and a later Save).
    BOOL OpenForLoad();
    // The key of a Save: the one open since the load, else created now.
    BOOL EnsureKeyForSave();

    HKEY m_hRoot;
    CString m_strSubKey;
    CString m_strValueName;
    BOOL m_bDirty = FALSE;
    BOOL m_bAutoSave;
};
