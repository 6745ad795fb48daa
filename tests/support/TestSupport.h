// Small helpers that the test programs share.
#pragma once

#include "CException.h"
#include "CString.h"

// TRUE when the call throws a framework exception of the given kind (or a
// kind derived from it); the exception is deleted. Other exceptions pass on.
template <class TCall>
bool ThrowsKindOf(const CRuntimeClass* pClass, TCall fnCall)
{
    try {
        fnCall();
    } catch (CException* e) {
        if (!e->IsKindOf(pClass))
            throw;
        e->Delete();
        return true;
    }
    return false;
}

// The m_nCode of the TException the call throws (deleted); -1 for none.
template <class TException, class TCall>
int ErrorCodeOf(TCall fnCall)
{
    try {
        fnCall();
    } catch (TException* e) {
        const int nCode = e->m_nCode;
        e->Delete();
        return nCode;
    }
    return -1;
}

#ifdef _WIN32
// Removes a directory path ("...\") with everything in it, read-only files too.
void RemoveTree(const CString& strDirectory);
#endif
