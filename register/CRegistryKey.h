// CRegistryKey: one open registry key and the calls the installer makes on
// it. Every operation keeps the call's result code in m_lError and answers
// TRUE exactly when it is 0 (ERROR_SUCCESS). Registry failures are never
// reported to the user: callers look at the answer at most.
#pragma once

#include "CObject.h"
#include "CString.h"
#include "Platform.h"

class CRegistryKey : public CObject
{
    DECLARE_DYNAMIC(CRegistryKey)
public:
    CRegistryKey() = default;
    ~CRegistryKey() override;  // closes the key
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // An open key is closed first, so that no handle is lost.
    BOOL Open(HKEY hRoot, LPCTSTR pszSubKey, REGSAM samDesired);
    // Creates the key or opens the existing one; pszClass may be null.
    BOOL Create(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszClass, REGSAM samDesired);
    // Does not use m_hKey.
    BOOL DeleteKey(HKEY hRoot, LPCTSTR pszSubKey);
    BOOL Close();

    // The value operations work on the open key; with none open they fail
    // with ERROR_INVALID_HANDLE.
    BOOL DeleteValue(LPCTSTR pszValueName);
    // A value of another type than REG_SZ (for QueryDword: REG_DWORD) fails
    // with ERROR_INVALID_DATATYPE (1804) and leaves the caller's variable as
    // it was.
    BOOL QueryString(LPCTSTR pszValueName, CString& strValue);
    BOOL SetString(LPCTSTR pszValueName, LPCTSTR pszValue);
    BOOL QueryDword(LPCTSTR pszValueName, DWORD& dwValue);
    BOOL SetDword(LPCTSTR pszValueName, DWORD dwValue);

    HKEY m_hKey = nullptr;
    LONG m_lError = ERROR_SUCCESS;

private:
    BOOL Result(LONG lError);
    // The type and size of a value; FALSE when it cannot be read.
    BOOL QueryType(LPCTSTR pszValueName, DWORD& dwType, DWORD& dwSize);
};
