// CMapWordToPtr: 16-bit keys to pointers, in ascending numeric key order (a
// key stored from a negative id, such as -2, sorts as 65534). See
// CSortedMap.h for the walk and removing while walking. The map never
// deletes what the pointers point to.
#pragma once

#include "CSortedMap.h"

extern template class CSortedMap<WORD, void*>;

class CMapWordToPtr : public CSortedMap<WORD, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
};
