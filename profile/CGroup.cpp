#include "CGroup.h"

CGroup::CGroup(const CString& strName)
    : m_strName(strName), m_bSelected(FALSE), m_bType1(FALSE), m_bType2(FALSE), m_bType3(FALSE)
{
}
