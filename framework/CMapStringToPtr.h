// CMapStringToPtr: CString keys to pointers, in ascending key order (see
// CSortedMap.h for the walk and removing while walking). The map never
// deletes what the pointers point to.
#pragma once

#include "CSortedMap.h"
#include "CString.h"

extern template class CSortedMap<CString, void*>;

class CMapStringToPtr : public CSortedMap<CString, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
};
