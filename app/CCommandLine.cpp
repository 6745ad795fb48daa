#include "CCommandLine.h"

CCommandLine::CCommandLine(LPCTSTR lpszCommandLine, char chSwitch)
    : m_chSwitch(chSwitch)
{
    if (lpszCommandLine == nullptr)
        return;

    const CString strText(lpszCommandLine);
    int nPositional = 0;
    int nStart = 0;
    while (nStart < strText.GetLength()) {
        int nEnd = strText.Find(' ', nStart);
        if (nEnd < 0)
            nEnd = strText.GetLength();
        if (nEnd > nStart) {
            const CString strToken = strText.Mid(nStart, nEnd - nStart);
            if (strToken[0] == m_chSwitch) {
                AddSwitch(strToken);
            } else {
                CString strKey;
                strKey.Format("#%d", nPositional++);
                SetAt(strKey, strToken);
            }
        }
        nStart = nEnd + 1;
    }
}

void CCommandLine::AddSwitch(const CString& strToken)
{
    if (strToken.GetLength() <= 1)
        return;
    const int nColon = strToken.Find(':');
    if (nColon < 0)
        SetAt(strToken.Mid(1, 1), strToken.Mid(2));
    else
        SetAt(strToken.Mid(1, nColon - 1), strToken.Mid(nColon + 1));
}

BOOL CCommandLine::HasOption(LPCTSTR lpszName) const
{
    CString strIgnored;
    return Lookup(lpszName, strIgnored);
}

BOOL CCommandLine::GetOption(LPCTSTR lpszName, CString& strValue, LPCTSTR lpszDefault) const
{
    if (Lookup(lpszName, strValue))
        return TRUE;
    if (lpszDefault != nullptr)
        strValue = lpszDefault;
    return FALSE;
}
