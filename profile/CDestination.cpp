#include "CDestination.h"

IMPLEMENT_DYNAMIC(CDestination, CObject)

CDestination::CDestination(short nId, LPCTSTR lpszName, short nParent, const CFilePath& path)
    : m_nId(nId), m_strName(lpszName), m_nParent(nParent), m_pOwner(nullptr), m_path(path)
{
}
