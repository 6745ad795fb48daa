// CIniEntryAdder: adds one key=value line to a section of an INI file,
// keeping every other line as it is:
//   - the section is followed by another: the line goes just before that
//     section's header;
//   - the section is the last one: the line goes at the end of the file;
//   - no such section (or no such file): the header and the line are appended;
//   - the same line already stands in the section: the file is not changed.
// Section names, keys and values are compared without regard to case.
#pragma once

#include "CTextFileRewriter.h"

class CIniEntryAdder : public CTextFileRewriter
{
public:
    explicit CIniEntryAdder(LPCTSTR pszPath);
    ~CIniEntryAdder() override;

    // Always TRUE; a file that cannot be rewritten throws CFileException*.
    BOOL AddEntry(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue);

protected:
    BOOL ProcessLine() override;
    void OnEnd() override;

private:
    CString m_strSection;
    CString m_strCurrentSection;
    CString m_strEntryKey;
    CString m_strEntryValue;
    CString m_strEntryLine;
};
