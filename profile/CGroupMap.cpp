#include "CGroupMap.h"

#include "OwnedRecords.h"

IMPLEMENT_DYNAMIC(CGroupMap, CMapStringToPtr)

CGroupMap::~CGroupMap()
{
    DeleteOwnedRecords<CGroup>(*this);
}

void CGroupMap::Add(CGroup* pGroup)
{
    ReplaceOwnedRecord((*this)[pGroup->m_strName], pGroup);
}

CGroup* CGroupMap::Lookup(const CString& strName) const
{
    void* pGroup = nullptr;
    CMapStringToPtr::Lookup(strName, pGroup);
    return static_cast<CGroup*>(pGroup);
}
