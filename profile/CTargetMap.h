// The "targets" section: the installed files that get program items. Keyed
// by the lower-cased file name, so names that differ only in letter case
// are one target; it owns its records.
#pragma once

#include "CMapStringToPtr.h"
#include "CTarget.h"

class CTargetMap : public CMapStringToPtr
{
    DECLARE_DYNAMIC(CTargetMap)
public:
    CTargetMap() = default;
    ~CTargetMap() override;

    // Takes pTarget and stores it under its lower-cased name; a record
    // already stored under that key is deleted.
    void Add(CTarget* pTarget);
    // The target of that file name in any letter case; nullptr when none.
    CTarget* Lookup(const CString& strName) const;

private:
    static CString MakeKey(const CString& strName);
};
