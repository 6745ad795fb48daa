#include "CDestination.h"

#include "CDestinationMap.h"

IMPLEMENT_DYNAMIC(CDestination, CObject)

CDestination::CDestination(short nId, LPCTSTR lpszName, short nParent, const CFilePath& path)
    : m_nId(nId), m_strName(lpszName), m_nParent(nParent), m_pOwner(nullptr), m_path(path)
{
}

BOOL CDestination::Resolve()
{
    if (!HasParent() || HasPath())
        return TRUE;
    const CDestination* pParent = m_pOwner != nullptr ? m_pOwner->Lookup(m_nParent) : nullptr;
    if (pParent == nullptr || !pParent->HasPath())
        return FALSE;
    m_path = pParent->m_path;
    m_path.AppendDirectory(m_strName);
    // A path too long for the platform comes back empty: not resolved.
    return HasPath();
}
