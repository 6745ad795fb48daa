// The "targets" section: the installed files that get program items. Keyed
// by the lower-cased file name, so names that differ only in letter case
// are one target; it owns its records. The map walks its keys in ascending
// order, so the section saved into the log comes out the same every time.
#pragma once

#include "CFilePath.h"
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

    // One key=value of the section: the file name, then icon index|number|
    // minimized|title|arguments|icon file|installed path. Numbers the value
    // lacks read as 0, texts as empty.
    void LoadRecord(const CString& strKey, const CString& strValue);
    // The value Save writes for a record.
    static CString FormatRecord(const CTarget& target);

#ifdef _WIN32
    // A missing section leaves the map empty.
    void Load(const CFilePath& file);
    // The targets that were installed (those with an installed path), under
    // their lower-cased keys; write failures are not reported.
    void Save(const CFilePath& file) const;
#endif

private:
    static CString MakeKey(const CString& strName);
};
