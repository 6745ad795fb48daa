// The "diskettes" section: element n holds the entry of diskette n, or null
// when the profile gives none. It owns its entries.
#pragma once

#include "CDisketteInfo.h"
#include "CFilePath.h"
#include "CPtrArray.h"

class CDisketteArray : public CPtrArray
{
    DECLARE_DYNAMIC(CDisketteArray)
public:
    // The highest diskette number a file record can name (a 16-bit field,
    // negated for a file that continues on the next diskette).
    enum { MAX_DISKETTE = 32768 };

    CDisketteArray() = default;
    ~CDisketteArray() override;

    // Takes pEntry and stores it as the entry of diskette nDiskette, growing
    // the array with null entries as needed; the entry held there before is
    // deleted. A number outside 0..MAX_DISKETTE names no diskette and would
    // only grow the array without bound: the entry is deleted and FALSE
    // returned.
    BOOL SetAt(int nDiskette, CDisketteInfo* pEntry);

    // The label of the diskette; empty when the array has no entry for it,
    // and the prompt then asks for the diskette by its number.
    CString GetLabel(int nDiskette) const;

    // One key=value of the section: the diskette number, then label|text.
    // The key must be a number 0..MAX_DISKETTE written in digits alone:
    // anything else ("A", "-1", "2b") names no diskette and is passed over,
    // rather than being read as diskette 0 or 2.
    void LoadRecord(const CString& strKey, const CString& strValue);

#ifdef _WIN32
    // A missing section leaves the array empty.
    void Load(const CFilePath& file);
#endif
};
