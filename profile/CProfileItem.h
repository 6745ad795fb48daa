// One value of an INI file, named by section and key, read and written
// through the platform's private-profile services. The concrete item says
// what kind of value it holds.
#pragma once

#include "CFilePath.h"
#include "CString.h"

class CProfileItem
{
public:
    virtual BOOL IsModified() const = 0;
    virtual BOOL Read() = 0;
    virtual BOOL Write() = 0;

    void SetSection(LPCTSTR lpszSection) { m_strSection = lpszSection; }
    void SetKey(LPCTSTR lpszKey) { m_strKey = lpszKey; }
    void SetFile(const CFilePath& file) { m_file = file; }
    const CString& GetSection() const { return m_strSection; }
    const CString& GetKey() const { return m_strKey; }

protected:
    CProfileItem(LPCTSTR lpszSection, LPCTSTR lpszKey, const CFilePath& file,
                 BOOL bWriteOnDestroy, BOOL bReadOnCreate);
    // Items are destroyed as their concrete type, never through this base.
    ~CProfileItem() = default;
    // A copy that writes itself back on destruction would write twice.
    CProfileItem(const CProfileItem&) = delete;
    CProfileItem& operator=(const CProfileItem&) = delete;

    BOOL m_bWriteOnDestroy;
    BOOL m_bReadOnCreate;
    CString m_strSection;
    CString m_strKey;
    CFilePath m_file;
};

// The file the platform is asked about. An empty path stands for the default
// file: the program's base name with ".INI", which the platform looks for in
// the Windows directory. Nothing relies on it; it only keeps an empty path
// from reaching the platform.
CString GetProfileFileText(const CFilePath& file);
