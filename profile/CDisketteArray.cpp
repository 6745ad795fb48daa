#include "CDisketteArray.h"

#include "OwnedRecords.h"

IMPLEMENT_DYNAMIC(CDisketteArray, CPtrArray)

CDisketteArray::~CDisketteArray()
{
    for (int nDiskette = 0; nDiskette < GetSize(); nDiskette++)
        delete static_cast<CDisketteInfo*>(GetAt(nDiskette));
}

BOOL CDisketteArray::SetAt(int nDiskette, CDisketteInfo* pEntry)
{
    if (nDiskette < 0 || nDiskette > MAX_DISKETTE)
    {
        delete pEntry;
        return FALSE;
    }
    if (nDiskette >= GetSize())
        SetSize(nDiskette + 1);
    ReplaceOwnedRecord(ElementAt(nDiskette), pEntry);
    return TRUE;
}
