#include "CDestinationMap.h"

#include "OwnedRecords.h"

namespace {
// The special folders of CFilePath behind the predefined ids.
const int kWindowsFolder = 1;
const int kSystemFolder = 2;
const int kTempFolder = 4;
}

IMPLEMENT_DYNAMIC(CDestinationMap, CMapWordToPtr)

CDestinationMap::CDestinationMap()
{
    Add(new CDestination(WINDOWS_DIRECTORY, "", -1, CFilePath(kWindowsFolder)));
    Add(new CDestination(SYSTEM_DIRECTORY, "", -1, CFilePath(kSystemFolder)));
    Add(new CDestination(TEMP_DIRECTORY, "", -1, CFilePath(kTempFolder)));
}

CDestinationMap::~CDestinationMap()
{
    DeleteOwnedRecords<CDestination>(*this);
}

void CDestinationMap::Add(CDestination* pDestination)
{
    pDestination->m_pOwner = this;
    ReplaceOwnedRecord((*this)[static_cast<WORD>(pDestination->m_nId)], pDestination);
}

CDestination* CDestinationMap::Lookup(short nId) const
{
    void* pDestination = nullptr;
    CMapWordToPtr::Lookup(static_cast<WORD>(nId), pDestination);
    return static_cast<CDestination*>(pDestination);
}
