// The "destinations" section: destination id to directory. It owns its
// records. Ids are stored as 16-bit keys, so the predefined negative ids
// come after every id of the profile in the map's order.
#pragma once

#include "CDestination.h"
#include "CMapWordToPtr.h"

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
};
