#include "CProfileString.h"

#include "ProfileFields.h"

CProfileString::CProfileString() : CProfileItem("", "", CFilePath(), FALSE, FALSE) {}

CProfileString::CProfileString(LPCTSTR lpszValue, LPCTSTR lpszSection, LPCTSTR lpszKey,
                               const CFilePath& file, BOOL bWriteOnDestroy, BOOL bReadOnCreate)
    : CProfileItem(lpszSection, lpszKey, file, bWriteOnDestroy, bReadOnCreate), m_strValue(lpszValue)
{
    if (m_bReadOnCreate && !m_strSection.IsEmpty() && !m_strKey.IsEmpty())
        Read();
}

CProfileString::~CProfileString()
{
    if (m_bWriteOnDestroy && IsModified())
        Write();
}

BOOL CProfileString::IsModified() const
{
    return m_strValue != m_strValueRead;
}

BOOL CProfileString::Read()
{
    char szValue[PROFILE_VALUE_MAX + 2];
    DWORD nLength = GetPrivateProfileStringA(m_strSection, m_strKey, m_strValue, szValue,
                                             PROFILE_VALUE_MAX + 1, GetProfileFileText(m_file));
    if (nLength > PROFILE_VALUE_MAX)
        nLength = PROFILE_VALUE_MAX;
    m_strValue = CString(szValue, static_cast<int>(nLength));
    m_strValueRead = m_strValue;
    return nLength > 0;
}

BOOL CProfileString::Write()
{
    return WritePrivateProfileStringA(m_strSection, m_strKey, m_strValue, GetProfileFileText(m_file));
}
