// CPtrList: a doubly linked list of pointers, in the order they were placed.
// It never deletes what the pointers point to.
//
// A POSITION names one element and stays valid until that element is
// removed, so an element may be removed right after GetNext has stepped past
// it. Asking an empty list for its head or tail, or passing a null POSITION
// where an element is needed, throws CNotSupportedException*. InsertBefore
// with a null POSITION adds at the head, InsertAfter at the tail.
#pragma once

#include "CObject.h"

class CPtrList : public CObject
{
    DECLARE_DYNAMIC(CPtrList)
public:
    CPtrList();
    ~CPtrList() override;
    CPtrList(const CPtrList&) = delete;
    CPtrList& operator=(const CPtrList&) = delete;

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    void*& GetHead();
    void* GetHead() const;
    void*& GetTail();
    void* GetTail() const;
    void* RemoveHead();
    void* RemoveTail();
    POSITION AddHead(void* newElement);
    POSITION AddTail(void* newElement);
    void RemoveAll();

    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    // The element at rPosition; rPosition moves on (nullptr past the end).
    void*& GetNext(POSITION& rPosition);
    void* GetNext(POSITION& rPosition) const;
    void*& GetPrev(POSITION& rPosition);
    void* GetPrev(POSITION& rPosition) const;

    void*& GetAt(POSITION position);
    void* GetAt(POSITION position) const;
    void SetAt(POSITION position, void* newElement);
    void RemoveAt(POSITION position);
    POSITION InsertBefore(POSITION position, void* newElement);
    POSITION InsertAfter(POSITION position, void* newElement);

    // The first element equal to searchValue after startAfter (from the head
    // when null); nullptr when there is none.
    POSITION Find(void* searchValue, POSITION startAfter = nullptr) const;
    // The element at a 0-based index; nullptr outside the list.
    POSITION FindIndex(int nIndex) const;

private:
    struct CNode
    {
        CNode* m_pNext;
        CNode* m_pPrev;
        void* m_pData;
    };

    static CNode* ToNode(POSITION position);
    static POSITION ToPosition(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
    // Links a new node between pPrev and pNext (either may be null).
    POSITION Link(CNode* pPrev, CNode* pNext, void* newElement);

    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    int m_nCount;
};
