// The profile's collections own the records their pointers name. These two
// helpers are the whole of that ownership, so every collection replaces and
// releases its records the same way.
#pragma once

#include "CSortedMap.h"

// Puts pRecord into rSlot and deletes the record it replaces. Storing the
// record the slot already holds keeps it.
template <class TRecord>
void ReplaceOwnedRecord(void*& rSlot, TRecord* pRecord)
{
    TRecord* pOld = static_cast<TRecord*>(rSlot);
    rSlot = pRecord;
    if (pOld != pRecord)
        delete pOld;
}

// Deletes every record of the map and empties it.
template <class TRecord, class KEY>
void DeleteOwnedRecords(CSortedMap<KEY, void*>& map)
{
    POSITION position = map.GetStartPosition();
    while (position != nullptr)
    {
        KEY key{};
        void* pRecord = nullptr;
        map.GetNextAssoc(position, key, pRecord);
        delete static_cast<TRecord*>(pRecord);
    }
    map.RemoveAll();
}
