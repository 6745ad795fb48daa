#include "CNamedFile.h"

IMPLEMENT_DYNAMIC(CNamedFile, CStdioFile)

CNamedFile::CNamedFile() = default;

CNamedFile::~CNamedFile() = default;

void CNamedFile::OpenOrRaise(LPCTSTR pszPath, UINT nFlags)
{
    CFileException error;
    if (!Open(pszPath, nFlags, &error))
        throw new CFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
    m_path = pszPath;
}

void CNamedFile::OpenForRead(LPCTSTR pszPath, BOOL bBinary)
{
    OpenOrRaise(pszPath, modeRead | shareDenyNone | (bBinary ? typeBinary : typeText));
}

void CNamedFile::OpenForWrite(LPCTSTR pszPath, BOOL bBinary)
{
    OpenOrRaise(pszPath, modeCreate | modeReadWrite | shareDenyNone | (bBinary ? typeBinary : typeText));
}

CString CNamedFile::GetPathName() const
{
    return m_path.GetPath();
}

void CNamedFile::ReadExact(void* pBuffer, UINT nCount)
{
    if (CStdioFile::Read(pBuffer, nCount) != nCount)
        AfxThrowFileException(CFileException::endOfFile, -1, m_path.GetPath());
}

BOOL CNamedFile::OnDiskFull(CFileException*)
{
    return FALSE;
}

void CNamedFile::Write(const void* pBuffer, UINT nCount)
{
    for (int nAttempt = 1;; ++nAttempt) {
        try {
            CStdioFile::Write(pBuffer, nCount);
            return;
        } catch (CFileException* e) {
            CExceptionGuard guard(e);
            if (e->m_cause == CFileException::diskFull) {
                if (OnDiskFull(e))
                    continue;
                AfxThrowFileException(CFileException::diskFull, -1, m_path.GetPath());
            }
            if (nAttempt >= WRITE_ATTEMPTS) {
                guard.Release();
                throw;
            }
        }
    }
}
