#include "CPtrList.h"

#include "CMemoryAllocator.h"

#include <climits>
#include <new>

IMPLEMENT_DYNAMIC(CPtrList, CObject)

CPtrList::CPtrList() : m_pNodeHead(nullptr), m_pNodeTail(nullptr), m_nCount(0) {}

CPtrList::~CPtrList()
{
    RemoveAll();
}

void*& CPtrList::GetHead()
{
    return ToNode(GetHeadPosition())->m_pData;
}

void* CPtrList::GetHead() const
{
    return ToNode(GetHeadPosition())->m_pData;
}

void*& CPtrList::GetTail()
{
    return ToNode(GetTailPosition())->m_pData;
}

void* CPtrList::GetTail() const
{
    return ToNode(GetTailPosition())->m_pData;
}

void* CPtrList::RemoveHead()
{
    void* pData = GetHead();
    RemoveAt(GetHeadPosition());
    return pData;
}

void* CPtrList::RemoveTail()
{
    void* pData = GetTail();
    RemoveAt(GetTailPosition());
    return pData;
}

POSITION CPtrList::AddHead(void* newElement)
{
    return Link(nullptr, m_pNodeHead, newElement);
}

POSITION CPtrList::AddTail(void* newElement)
{
    return Link(m_pNodeTail, nullptr, newElement);
}

void CPtrList::RemoveAll()
{
    while (m_pNodeHead != nullptr)
        RemoveAt(GetHeadPosition());
}

POSITION CPtrList::GetHeadPosition() const
{
    return ToPosition(m_pNodeHead);
}

POSITION CPtrList::GetTailPosition() const
{
    return ToPosition(m_pNodeTail);
}

void*& CPtrList::GetNext(POSITION& rPosition)
{
    CNode* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->m_pNext);
    return pNode->m_pData;
}

void* CPtrList::GetNext(POSITION& rPosition) const
{
    return const_cast<CPtrList*>(this)->GetNext(rPosition);
}

void*& CPtrList::GetPrev(POSITION& rPosition)
{
    CNode* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->m_pPrev);
    return pNode->m_pData;
}

void* CPtrList::GetPrev(POSITION& rPosition) const
{
    return const_cast<CPtrList*>(this)->GetPrev(rPosition);
}

void*& CPtrList::GetAt(POSITION position)
{
    return ToNode(position)->m_pData;
}

void* CPtrList::GetAt(POSITION position) const
{
    return ToNode(position)->m_pData;
}

void CPtrList::SetAt(POSITION position, void* newElement)
{
    ToNode(position)->m_pData = newElement;
}

void CPtrList::RemoveAt(POSITION position)
{
    CNode* pNode = ToNode(position);
    (pNode->m_pPrev != nullptr ? pNode->m_pPrev->m_pNext : m_pNodeHead) = pNode->m_pNext;
    (pNode->m_pNext != nullptr ? pNode->m_pNext->m_pPrev : m_pNodeTail) = pNode->m_pPrev;
    CMemoryAllocator<CNode>().deallocate(pNode, 1);
    m_nCount--;
}

POSITION CPtrList::InsertBefore(POSITION position, void* newElement)
{
    if (position == nullptr)
        return AddHead(newElement);
    CNode* pNode = ToNode(position);
    return Link(pNode->m_pPrev, pNode, newElement);
}

POSITION CPtrList::InsertAfter(POSITION position, void* newElement)
{
    if (position == nullptr)
        return AddTail(newElement);
    CNode* pNode = ToNode(position);
    return Link(pNode, pNode->m_pNext, newElement);
}

POSITION CPtrList::Find(void* searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter != nullptr ? ToNode(startAfter)->m_pNext : m_pNodeHead;
    for (; pNode != nullptr; pNode = pNode->m_pNext)
    {
        if (pNode->m_pData == searchValue)
            return ToPosition(pNode);
    }
    return nullptr;
}

POSITION CPtrList::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode* pNode = m_pNodeHead;
    for (; nIndex > 0; nIndex--)
        pNode = pNode->m_pNext;
    return ToPosition(pNode);
}

CPtrList::CNode* CPtrList::ToNode(POSITION position)
{
    if (position == nullptr)
        AfxThrowNotSupportedException();
    return reinterpret_cast<CNode*>(position);
}

POSITION CPtrList::Link(CNode* pPrev, CNode* pNext, void* newElement)
{
    if (m_nCount == INT_MAX)
        AfxThrowMemoryException();
    CNode* pNode = new (CMemoryAllocator<CNode>().allocate(1)) CNode{ pNext, pPrev, newElement };
    (pPrev != nullptr ? pPrev->m_pNext : m_pNodeHead) = pNode;
    (pNext != nullptr ? pNext->m_pPrev : m_pNodeTail) = pNode;
    m_nCount++;
    return ToPosition(pNode);
}
