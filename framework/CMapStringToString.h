// CMapStringToString: CString keys to CString values, in ascending key order
// (see CSortedMap.h for the walk and removing while walking).
#pragma once

#include "CSortedMap.h"
#include "CString.h"

extern template class CSortedMap<CString, CString>;

class CMapStringToString : public CSortedMap<CString, CString>
{
    DECLARE_DYNAMIC(CMapStringToString)
};
