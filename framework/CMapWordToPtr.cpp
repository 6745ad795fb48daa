#include "CMapWordToPtr.h"

template class CSortedMap<WORD, void*>;

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
