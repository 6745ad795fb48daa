#include "CRegistryKey.h"

IMPLEMENT_DYNAMIC(CRegistryKey, CObject)

CRegistryKey::~CRegistryKey()
{
    Close();
}

BOOL CRegistryKey::Result(LONG lError)
{
    m_lError = lError;
    return lError == ERROR_SUCCESS;
}

BOOL CRegistryKey::Open(HKEY hRoot, LPCTSTR pszSubKey, REGSAM samDesired)
{
    Close();
    return Result(RegOpenKeyExA(hRoot, pszSubKey, 0, samDesired, &m_hKey));
}

BOOL CRegistryKey::Create(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszClass, REGSAM samDesired)
{
    Close();
    return Result(RegCreateKeyExA(hRoot, pszSubKey, 0, const_cast<LPSTR>(pszClass), 0, samDesired,
                                  nullptr, &m_hKey, nullptr));
}

BOOL CRegistryKey::DeleteKey(HKEY hRoot, LPCTSTR pszSubKey)
{
    return Result(RegDeleteKeyA(hRoot, pszSubKey));
}

BOOL CRegistryKey::Close()
{
    if (m_hKey == nullptr)
        return TRUE;
    HKEY hKey = m_hKey;
    m_hKey = nullptr;
    return Result(RegCloseKey(hKey));
}

BOOL CRegistryKey::DeleteValue(LPCTSTR pszValueName)
{
    if (m_hKey == nullptr)
        return Result(ERROR_INVALID_HANDLE);
    return Result(RegDeleteValueA(m_hKey, pszValueName));
}

BOOL CRegistryKey::QueryType(LPCTSTR pszValueName, DWORD& dwType, DWORD& dwSize)
{
    if (m_hKey == nullptr)
        return Result(ERROR_INVALID_HANDLE);
    dwSize = 0;
    return Result(RegQueryValueExA(m_hKey, pszValueName, nullptr, &dwType, nullptr, &dwSize));
}

BOOL CRegistryKey::QueryString(LPCTSTR pszValueName, CString& strValue)
{
    DWORD dwType = REG_NONE;
    DWORD dwSize = 0;
    if (!QueryType(pszValueName, dwType, dwSize))
        return FALSE;
    if (dwType != REG_SZ)
        return Result(ERROR_INVALID_DATATYPE);

    // Read into a text of our own: a failed read must not leave the caller's
    // text half written. The stored data need not end with a terminator, so
    // one is put after whatever arrives.
    CString strRead;
    char* pBuffer = strRead.GetBuffer(static_cast<int>(dwSize));
    DWORD dwRead = dwSize;
    const LONG lError = RegQueryValueExA(m_hKey, pszValueName, nullptr, &dwType,
                                         reinterpret_cast<BYTE*>(pBuffer), &dwRead);
    pBuffer[lError == ERROR_SUCCESS && dwRead <= dwSize ? dwRead : 0] = '\0';
    strRead.ReleaseBuffer(-1);
    if (!Result(lError))
        return FALSE;
    // The value may have been rewritten with another type in between.
    if (dwType != REG_SZ)
        return Result(ERROR_INVALID_DATATYPE);
    strValue = strRead;
    return TRUE;
}

BOOL CRegistryKey::SetString(LPCTSTR pszValueName, LPCTSTR pszValue)
{
    if (m_hKey == nullptr)
        return Result(ERROR_INVALID_HANDLE);
    const CString strValue(pszValue);
    return Result(RegSetValueExA(m_hKey, pszValueName, 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(static_cast<const char*>(strValue)),
                                 static_cast<DWORD>(strValue.GetLength() + 1)));
}

BOOL CRegistryKey::QueryDword(LPCTSTR pszValueName, DWORD& dwValue)
{
    if (m_hKey == nullptr)
        return Result(ERROR_INVALID_HANDLE);
    DWORD dwType = REG_NONE;
    DWORD dwRead = 0;
    DWORD dwSize = sizeof(dwRead);
    const LONG lError = RegQueryValueExA(m_hKey, pszValueName, nullptr, &dwType,
                                         reinterpret_cast<BYTE*>(&dwRead), &dwSize);
    // A longer value of another type answers "more data"; it is still a
    // value of the wrong type.
    if ((lError == ERROR_SUCCESS || lError == ERROR_MORE_DATA)
        && (dwType != REG_DWORD || dwSize != sizeof(dwRead)))
        return Result(ERROR_INVALID_DATATYPE);
    if (!Result(lError))
        return FALSE;
    dwValue = dwRead;
    return TRUE;
}

BOOL CRegistryKey::SetDword(LPCTSTR pszValueName, DWORD dwValue)
{
    if (m_hKey == nullptr)
        return Result(ERROR_INVALID_HANDLE);
    return Result(RegSetValueExA(m_hKey, pszValueName, 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue)));
}
