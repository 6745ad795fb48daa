// Enumerates the keys of one INI section in the order they stand in the file.
// The key list is asked for once per enumeration, in a block that grows
// until the platform's answer fits, so no key name is ever handed out cut.
#pragma once

#include "CFilePath.h"
#include "CProfileString.h"

#include <functional>

class CProfileSection
{
public:
    explicit CProfileSection(LPCTSTR lpszSection);
    CProfileSection(const CProfileSection&) = delete;
    CProfileSection& operator=(const CProfileSection&) = delete;

    void SetFile(const CFilePath& file) { m_file = file; }

    // Points the item at the first key (section, file and key; its value is
    // left for the caller's Read). FALSE when the section has no key, the
    // file or the section being missing included.
    BOOL First(CProfileString& item);
    // The next key in the same way; FALSE once the keys are used up.
    BOOL Next(CProfileString& item);

private:
    void ReadKeyList();
    BOOL HandOut(CProfileString& item);
    void ReleaseKeyList();

    CFilePath m_file;       // empty: the default file
    CString m_strSection;
    CString m_strKeyList;   // names each followed by a NUL, then an empty name
    int m_nCursor;          // index of the next name; -1 while idle
};

// Every key of the section in file order with its value: the walk each
// section loader makes. FALSE when the section has no key.
BOOL ReadProfileSection(const CFilePath& file, LPCTSTR lpszSection,
                        const std::function<void(const CString& strKey, const CString& strValue)>& fnRecord);
