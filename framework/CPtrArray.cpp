#include "CPtrArray.h"

#include <climits>

IMPLEMENT_DYNAMIC(CPtrArray, CObject)

void CPtrArray::SetSize(int nNewSize)
{
    if (nNewSize < 0)
        AfxThrowNotSupportedException();
    m_vecElements.resize(static_cast<size_t>(nNewSize), nullptr);
}

void* CPtrArray::GetAt(int nIndex) const
{
    CheckIndex(nIndex);
    return m_vecElements[static_cast<size_t>(nIndex)];
}

void CPtrArray::SetAt(int nIndex, void* newElement)
{
    ElementAt(nIndex) = newElement;
}

void*& CPtrArray::ElementAt(int nIndex)
{
    CheckIndex(nIndex);
    return m_vecElements[static_cast<size_t>(nIndex)];
}

int CPtrArray::Add(void* newElement)
{
    if (GetSize() == INT_MAX)
        AfxThrowMemoryException();
    m_vecElements.push_back(newElement);
    return GetUpperBound();
}

void CPtrArray::InsertAt(int nIndex, void* newElement, int nCount)
{
    if (nIndex < 0 || nCount < 0)
        AfxThrowNotSupportedException();
    int nOldSize = nIndex > GetSize() ? nIndex : GetSize();
    if (nCount > INT_MAX - nOldSize)
        AfxThrowMemoryException();
    // All the room first, so that running out of memory changes nothing.
    m_vecElements.reserve(static_cast<size_t>(nOldSize + nCount));
    if (nIndex > GetSize())
        SetSize(nIndex);
    m_vecElements.insert(m_vecElements.begin() + nIndex, static_cast<size_t>(nCount), newElement);
}

void CPtrArray::RemoveAt(int nIndex, int nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex > GetSize() || nCount > GetSize() - nIndex)
        AfxThrowNotSupportedException();
    m_vecElements.erase(m_vecElements.begin() + nIndex, m_vecElements.begin() + nIndex + nCount);
}

void CPtrArray::RemoveAll()
{
    m_vecElements.clear();
}

void** CPtrArray::GetData()
{
    return m_vecElements.empty() ? nullptr : m_vecElements.data();
}

void* const* CPtrArray::GetData() const
{
    return m_vecElements.empty() ? nullptr : m_vecElements.data();
}

void CPtrArray::CheckIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        AfxThrowNotSupportedException();
}
