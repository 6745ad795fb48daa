// A text value of an INI file. It remembers the text last read, so that an
// item made to write itself back on destruction writes only a real change.
#pragma once

#include "CProfileItem.h"

class CProfileString final : public CProfileItem
{
public:
    CProfileString();
    CProfileString(LPCTSTR lpszValue, LPCTSTR lpszSection, LPCTSTR lpszKey, const CFilePath& file,
                   BOOL bWriteOnDestroy, BOOL bReadOnCreate);
    ~CProfileString();

    void SetValue(LPCTSTR lpszValue) { m_strValue = lpszValue; }
    const CString& GetValue() const { return m_strValue; }

    // The value differs from the text last read (case-sensitive).
    BOOL IsModified() const override;
    // Reads section/key with the current value as the default; a value
    // longer than PROFILE_VALUE_MAX arrives cut. TRUE when the text read is
    // not empty.
    BOOL Read() override;
    // The platform's answer; the value is stored in place when the key
    // exists, else added (with its section and file when they are missing).
    BOOL Write() override;

private:
    CString m_strValue;
    CString m_strValueRead;
};
