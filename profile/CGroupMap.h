// The "groups" section: the groups of files, keyed by the group name exactly
// as written (it also names the group's own section, and section names are
// compared as written). It owns its records and walks them in ascending
// byte order of the names, so the section saved into the log is stable.
#pragma once

#include "CFilePath.h"
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

    // Marks the groups of a setup type: 0 none, 1 to 3 those whose flag for
    // that type is set, 4 all. Any other type selects none.
    void SelectByType(int nType);

    // One key=value of the section: the group name, then first text|second
    // text|type-1 flag|type-2 flag|type-3 flag. Flags the value lacks are
    // not set; the group starts unselected.
    void LoadRecord(const CString& strKey, const CString& strValue);
    // The value Save writes for a record.
    static CString FormatRecord(const CGroup& group);

#ifdef _WIN32
    // A missing section leaves the map empty.
    void Load(const CFilePath& file);
    // Every group; write failures are not reported.
    void Save(const CFilePath& file) const;
#endif
};
