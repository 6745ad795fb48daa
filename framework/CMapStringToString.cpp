#include "CMapStringToString.h"

template class CSortedMap<CString, CString>;

IMPLEMENT_DYNAMIC(CMapStringToString, CObject)
