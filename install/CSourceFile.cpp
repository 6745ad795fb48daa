#include "CSourceFile.h"

IMPLEMENT_DYNAMIC(CSourceFile, CObject)

CSourceFile::CSourceFile(const CString& strSourceName, int nType, int nSize, int nFileCount,
                         int nDisk, BOOL bLastOnDisk, int nDestination, const CString& strExtra,
                         CGroup* pGroup)
    : m_strSourceName(strSourceName),
      m_nType(nType),
      m_nSize(nSize),
      m_nFileCount(nFileCount),
      m_nDisk(nDisk),
      m_bLastOnDisk(bLastOnDisk),
      m_strExtra(strExtra),
      m_nDestination(nDestination),
      m_pGroup(pGroup)
{
}
