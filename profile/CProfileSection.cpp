#include "CProfileSection.h"

#include "CException.h"

#include <climits>
#include <cstring>

namespace {
const int kFirstKeyListSize = 256;
}

CProfileSection::CProfileSection(LPCTSTR lpszSection)
    : m_strSection(lpszSection), m_nCursor(-1)
{
}

BOOL CProfileSection::First(CProfileString& item)
{
    ReadKeyList();
    return HandOut(item);
}

BOOL CProfileSection::Next(CProfileString& item)
{
    if (m_nCursor < 0)
        return FALSE;
    return HandOut(item);
}

void CProfileSection::ReadKeyList()
{
    const CString strFile = GetProfileFileText(m_file);
    int nSize = kFirstKeyListSize;
    for (;;)
    {
        char* pchList = m_strKeyList.GetBufferSetLength(nSize);
        const DWORD nLength = GetPrivateProfileStringA(m_strSection, nullptr, "", pchList,
                                                       static_cast<DWORD>(nSize), strFile);
        // An answer of size - 2 is what the platform gives when it had to cut
        // the list; only a shorter one is known to be whole.
        if (nLength < static_cast<DWORD>(nSize - 2))
        {
            // Keep the names and the terminating empty one.
            m_strKeyList.ReleaseBuffer(static_cast<int>(nLength) + 1);
            m_nCursor = 0;
            return;
        }
        if (nSize > INT_MAX / 2)
            AfxThrowMemoryException();
        nSize *= 2;
    }
}

BOOL CProfileSection::HandOut(CProfileString& item)
{
    const char* pszKey = static_cast<const char*>(m_strKeyList) + m_nCursor;
    const int nKeyLength = static_cast<int>(strlen(pszKey));
    if (nKeyLength == 0)
    {
        ReleaseKeyList();
        return FALSE;
    }
    item.SetSection(m_strSection);
    item.SetFile(m_file);
    item.SetKey(pszKey);
    m_nCursor += nKeyLength + 1;
    return TRUE;
}

void CProfileSection::ReleaseKeyList()
{
    m_strKeyList.Empty();
    m_nCursor = -1;
}

BOOL ReadProfileSection(const CFilePath& file, LPCTSTR lpszSection,
                        const std::function<void(const CString& strKey, const CString& strValue)>& fnRecord)
{
    CProfileSection section(lpszSection);
    section.SetFile(file);
    CProfileString item;
    if (!section.First(item))
        return FALSE;
    do
    {
        item.Read();
        fnRecord(item.GetKey(), item.GetValue());
    } while (section.Next(item));
    return TRUE;
}
