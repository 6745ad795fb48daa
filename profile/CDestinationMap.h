// The "destinations" section: destination id to directory. It owns its
// records. Ids are stored as 16-bit keys, so the map walks the ids of the
// profile in ascending order (which keeps the saved section stable) and the
// predefined negative ids after them.
#pragma once

#include "CDestination.h"
#include "CFilePath.h"
#include "CMapWordToPtr.h"
#include "CPtrArray.h"

class CDestinationMap : public CMapWordToPtr
{
    DECLARE_DYNAMIC(CDestinationMap)
public:
    enum
    {
        WINDOWS_DIRECTORY = -2,
        SYSTEM_DIRECTORY = -3,
        TEMP_DIRECTORY = -4
    };

    // Starts with the Windows, System and temporary directories of this
    // machine under their predefined ids.
    CDestinationMap();
    ~CDestinationMap() override;

    // Takes pDestination and stores it under its id, with this map as its
    // owner; a record already stored under that id is deleted.
    void Add(CDestination* pDestination);
    // nullptr when the id has no record.
    CDestination* Lookup(short nId) const;

    // Both find the record of the id, creating an empty one when missing.
    void SetPath(short nId, LPCTSTR lpszPath);
    void SetNameParent(short nId, LPCTSTR lpszName, short nParent);
    // The directory of the id; empty for an id without a record, which names
    // no directory, so whatever is done with it fails instead of landing in
    // some other place.
    CString GetPath(short nId) const;

    // Derives every path from the parents, in at most one pass per record.
    // Throws CInstallProfileException* (PROFILE_UNRESOLVED_DESTINATIONS) when
    // a parent is missing, never gets a path, or the parents form a cycle.
    void ResolveAll();

    // One key=value of the section: the id (its low 16 bits), then
    // name|parent|path. A missing parent is -1, a missing path none yet.
    void LoadRecord(const CString& strKey, const CString& strValue);
    // The value Save writes for a record.
    static CString FormatRecord(const CDestination& destination);

    // The records of id 0 or more that have a path, each directory before
    // every directory that contains it, so removing them in this order
    // empties nested directories from the deepest up.
    void GetDeepestFirst(CPtrArray& rDestinations) const;

#ifdef _WIN32
    // Throws CInstallProfileException* (PROFILE_NO_DESTINATIONS) when the
    // section is missing or has no key.
    void Load(const CFilePath& file);
    // The records of id 0 or more; write failures are not reported.
    void Save(const CFilePath& file) const;
#endif

private:
    CDestination* FindOrCreate(short nId);
};
