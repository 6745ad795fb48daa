#include "CTarget.h"

IMPLEMENT_DYNAMIC(CTarget, CObject)

CTarget::CTarget(const CString& strName)
    : m_strName(strName), m_nIconIndex(0), m_nNumber(0), m_bMinimized(FALSE)
{
}
