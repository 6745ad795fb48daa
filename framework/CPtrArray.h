// CPtrArray: a growable array of pointers, in index order. It never deletes
// what the pointers point to.
//
// Indexes are checked: GetAt, SetAt, ElementAt and operator[] accept
// 0..GetUpperBound(), RemoveAt a range inside the array, InsertAt any index
// from 0 (an index past the end first grows the array with nulls), SetSize
// any size from 0. Anything else throws CNotSupportedException* and leaves
// the array unchanged. A reference from ElementAt or operator[] is valid
// until the array next changes size.
#pragma once

#include "CMemoryAllocator.h"
#include "CObject.h"

#include <vector>

class CPtrArray : public CObject
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
    CPtrArray(const CPtrArray&) = delete;
    CPtrArray& operator=(const CPtrArray&) = delete;

    int GetSize() const { return static_cast<int>(m_vecElements.size()); }
    int GetUpperBound() const { return GetSize() - 1; }
    // New elements are null.
    void SetSize(int nNewSize);

    void* GetAt(int nIndex) const;
    void SetAt(int nIndex, void* newElement);
    void*& ElementAt(int nIndex);
    void* operator[](int nIndex) const { return GetAt(nIndex); }
    void*& operator[](int nIndex) { return ElementAt(nIndex); }

    // The index of the new element.
    int Add(void* newElement);
    void InsertAt(int nIndex, void* newElement, int nCount = 1);
    void RemoveAt(int nIndex, int nCount = 1);
    void RemoveAll();

    // nullptr while empty.
    void** GetData();
    void* const* GetData() const;

private:
    void CheckIndex(int nIndex) const;

    std::vector<void*, CMemoryAllocator<void*>> m_vecElements;
};
