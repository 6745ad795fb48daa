#include "CIniEntryAdder.h"

namespace
{
// "[name]", blanks and line end around it allowed; the name is the text
// between the first and the last character.
BOOL ParseSectionLine(const CString& strLine, CString& strName)
{
    CString strTrimmed(strLine);
    strTrimmed.TrimLeft();
    strTrimmed.TrimRight();
    if (strTrimmed.IsEmpty() || strTrimmed[0] != '[')
        return FALSE;
    strName = strTrimmed.Mid(1, strTrimmed.GetLength() - 2);
    return TRUE;
}

// key=value: the key without leading blanks, the value without trailing
// blanks and line end.
BOOL ParseKeyValue(const CString& strLine, CString& strKey, CString& strValue)
{
    const int nEquals = strLine.Find('=');
    if (nEquals < 0)
        return FALSE;
    strKey = strLine.Left(nEquals);
    strKey.TrimLeft();
    strValue = strLine.Mid(nEquals + 1);
    strValue.TrimRight();
    return TRUE;
}
}

CIniEntryAdder::CIniEntryAdder(LPCTSTR pszPath) : CTextFileRewriter(pszPath) {}

CIniEntryAdder::~CIniEntryAdder() = default;

BOOL CIniEntryAdder::AddEntry(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue)
{
    m_strSection = pszSection;
    m_strEntryKey = pszKey;
    m_strEntryValue = pszValue;
    // Built whole, not through a bounded format: two long paths must not be
    // cut into another line.
    m_strEntryLine = m_strEntryKey + "=" + m_strEntryValue + "\n";
    OpenFiles(m_path.GetPath());
    Run();
    return TRUE;
}

BOOL CIniEntryAdder::ProcessLine()
{
    const BOOL bInTarget = m_strCurrentSection.CompareNoCase(m_strSection) == 0;
    CString strName;
    CString strKey;
    CString strValue;
    if (ParseSectionLine(m_strLine, strName))
    {
        if (!bInTarget)
        {
            m_strCurrentSection = strName;
        }
        else
        {
            // The target section ends here: the entry becomes its last line.
            WriteText(m_strEntryLine);
            m_bCopyRest = TRUE;
        }
    }
    else if (bInTarget && ParseKeyValue(m_strLine, strKey, strValue)
             && strKey.CompareNoCase(m_strEntryKey) == 0 && strValue.CompareNoCase(m_strEntryValue) == 0)
    {
        m_bStop = TRUE;
    }
    return TRUE;
}

void CIniEntryAdder::OnEnd()
{
    if (m_bCopyRest)
        return;
    if (m_strCurrentSection.CompareNoCase(m_strSection) != 0)
        WriteText("[" + m_strSection + "]\n");
    WriteText(m_strEntryLine);
}
