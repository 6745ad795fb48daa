// CSortedMap: the one implementation behind CMapStringToString,
// CMapStringToPtr and CMapWordToPtr.
//
// Iteration (GetStartPosition / GetNextAssoc) visits the entries in ascending
// key order: byte-wise for strings (case-sensitive, as the keys are), numeric
// for WORD keys. A POSITION names the next entry to visit; it stays valid as
// long as that entry is in the map, so the entry just returned by
// GetNextAssoc may be removed while walking. An entry added during a walk is
// visited when its key sorts after the entry the POSITION names.
//
// Misuse (GetNextAssoc with a null POSITION) throws CNotSupportedException*;
// running out of memory throws CMemoryException*.
#pragma once

#include "CMemoryAllocator.h"
#include "CObject.h"

#include <functional>
#include <map>
#include <utility>

template <class KEY, class VALUE>
class CSortedMap : public CObject
{
public:
    CSortedMap() = default;
    CSortedMap(const CSortedMap&) = delete;
    CSortedMap& operator=(const CSortedMap&) = delete;

    int GetCount() const { return static_cast<int>(m_mapEntries.size()); }
    BOOL IsEmpty() const { return m_mapEntries.empty(); }

    BOOL Lookup(const KEY& key, VALUE& rValue) const
    {
        auto it = m_mapEntries.find(key);
        if (it == m_mapEntries.end())
            return FALSE;
        rValue = it->second;
        return TRUE;
    }

    void SetAt(const KEY& key, const VALUE& newValue) { (*this)[key] = newValue; }

    // Adds the key (with an empty or null value) when it is not there yet.
    VALUE& operator[](const KEY& key) { return m_mapEntries.try_emplace(key).first->second; }

    BOOL RemoveKey(const KEY& key) { return m_mapEntries.erase(key) != 0; }
    void RemoveAll() { m_mapEntries.clear(); }

    POSITION GetStartPosition() const { return ToPosition(m_mapEntries.begin()); }

    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        if (rNextPosition == nullptr)
            AfxThrowNotSupportedException();
        const Entry* pEntry = reinterpret_cast<const Entry*>(rNextPosition);
        // Advance before handing the entry out: the caller may remove it.
        rNextPosition = ToPosition(m_mapEntries.upper_bound(pEntry->first));
        rKey = pEntry->first;
        rValue = pEntry->second;
    }

private:
    typedef std::pair<const KEY, VALUE> Entry;
    typedef std::map<KEY, VALUE, std::less<KEY>, CMemoryAllocator<Entry>> CEntryMap;

    POSITION ToPosition(typename CEntryMap::const_iterator it) const
    {
        if (it == m_mapEntries.end())
            return nullptr;
        return reinterpret_cast<POSITION>(const_cast<Entry*>(&*it));
    }

    CEntryMap m_mapEntries;
};
