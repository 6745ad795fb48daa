#include "CDisketteArray.h"

#include "OwnedRecords.h"
#include "ProfileFields.h"

#ifdef _WIN32
#include "CProfileSection.h"
#endif

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

CString CDisketteArray::GetLabel(int nDiskette) const
{
    if (nDiskette < 0 || nDiskette >= GetSize() || GetAt(nDiskette) == nullptr)
        return CString();
    return static_cast<const CDisketteInfo*>(GetAt(nDiskette))->m_strLabel;
}

void CDisketteArray::LoadRecord(const CString& strKey, const CString& strValue)
{
    if (strKey.IsEmpty())
        return;
    int nDiskette = 0;
    for (int nIndex = 0; nIndex < strKey.GetLength(); nIndex++)
    {
        const char ch = strKey[nIndex];
        if (ch < '0' || ch > '9')
            return;
        nDiskette = nDiskette * 10 + (ch - '0');
        if (nDiskette > MAX_DISKETTE)
            return;
    }
    CDisketteInfo* pEntry = new CDisketteInfo;
    ExtractField(pEntry->m_strLabel, strValue, 0);
    ExtractField(pEntry->m_strSecondText, strValue, 1);
    SetAt(nDiskette, pEntry);
}

#ifdef _WIN32
void CDisketteArray::Load(const CFilePath& file)
{
    ReadProfileSection(file, "diskettes", [this](const CString& strKey, const CString& strValue) {
        LoadRecord(strKey, strValue);
    });
}
#endif
