// The allocator behind the framework's strings and collections: running out
// of memory throws CMemoryException*, which the program's handlers catch,
// instead of std::bad_alloc, which they would not.
#pragma once

#include "CException.h"

#include <cstddef>
#include <limits>
#include <new>

template <class T>
class CMemoryAllocator
{
public:
    typedef T value_type;

    CMemoryAllocator() noexcept = default;
    template <class U>
    CMemoryAllocator(const CMemoryAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t nCount)
    {
        if (nCount > std::numeric_limits<std::size_t>::max() / sizeof(T))
            AfxThrowMemoryException();
        void* pMemory = ::operator new(nCount * sizeof(T), std::nothrow);
        if (pMemory == nullptr)
            AfxThrowMemoryException();
        return static_cast<T*>(pMemory);
    }

    void deallocate(T* pMemory, std::size_t) noexcept { ::operator delete(pMemory); }
};

template <class T, class U>
bool operator==(const CMemoryAllocator<T>&, const CMemoryAllocator<U>&) noexcept
{
    return true;
}

template <class T, class U>
bool operator!=(const CMemoryAllocator<T>&, const CMemoryAllocator<U>&) noexcept
{
    return false;
}
