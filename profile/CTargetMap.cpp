#include "CTargetMap.h"

#include "OwnedRecords.h"

IMPLEMENT_DYNAMIC(CTargetMap, CMapStringToPtr)

CTargetMap::~CTargetMap()
{
    DeleteOwnedRecords<CTarget>(*this);
}

void CTargetMap::Add(CTarget* pTarget)
{
    ReplaceOwnedRecord((*this)[MakeKey(pTarget->m_strName)], pTarget);
}

CTarget* CTargetMap::Lookup(const CString& strName) const
{
    void* pTarget = nullptr;
    CMapStringToPtr::Lookup(MakeKey(strName), pTarget);
    return static_cast<CTarget*>(pTarget);
}

CString CTargetMap::MakeKey(const CString& strName)
{
    CString strKey(strName);
    strKey.MakeLower();
    return strKey;
}
