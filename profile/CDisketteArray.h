// The "diskettes" section: element n holds the entry of diskette n, or null
// when the profile gives none. It owns its entries.
#pragma once

#include "CDisketteInfo.h"
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
};
