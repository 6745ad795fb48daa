// The "groups" section: the groups of files, keyed by the group name exactly
// as written (it also names the group's own section, and section names are
// compared as written). It owns its records.
#pragma once

#include "CGroup.h"
#include "CMapStringToPtr.h"

class CGroupMap : public CMapStringToPtr
{
    DECLARE_DYNAMIC(CGroupMap)
public:
    CGroupMap() = default;
    ~CGroupMap() override;

    // Takes pGroup and stores it under its name; a record already stored
    // under that name is deleted.
    void Add(CGroup* pGroup);
    // nullptr when no group has exactly that name.
    CGroup* Lookup(const CString& strName) const;
};
