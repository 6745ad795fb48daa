#include "CMapStringToPtr.h"

template class CSortedMap<CString, void*>;

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
