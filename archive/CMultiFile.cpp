#include "CMultiFile.h"

#include <limits>

IMPLEMENT_DYNAMIC(CMultiFile, CNamedFile)

namespace {

// The counts are 32-bit and wrap past 2 GB instead of overflowing.
LONG AddCount(LONG nCount, UINT nAdd)
{
    return static_cast<LONG>(static_cast<DWORD>(nCount) + nAdd);
}

} // namespace

CMultiFile::CMultiFile()
    : m_nTick(0), m_nLimit(NO_LIMIT), m_nRead(0), m_nWritten(0), m_nReadBase(0), m_nWriteBase(0)
{
}

CMultiFile::~CMultiFile() = default;

BOOL CMultiFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_nReadBase = 0;
    m_nWriteBase = 0;
    return CNamedFile::Open(lpszFileName, nOpenFlags, pError);
}

void CMultiFile::OpenVolume(LPCTSTR pszPath)
{
    OpenForRead(pszPath, TRUE);
    m_nReadBase = m_nRead;
    m_nWriteBase = m_nWritten;
}

UINT CMultiFile::ReadRaw(void* pBuffer, UINT nCount)
{
    return CNamedFile::Read(pBuffer, nCount);
}

void CMultiFile::WriteRaw(const void* pBuffer, UINT nCount)
{
    CNamedFile::Write(pBuffer, nCount);
}

void CMultiFile::OnTick() {}

BOOL CMultiFile::OnVolumeEnd()
{
    return TRUE;
}

LONGLONG CMultiFile::Remaining(LONG nDone) const
{
    if (m_nLimit == NO_LIMIT)
        return std::numeric_limits<LONGLONG>::max();
    LONGLONG nRemaining = static_cast<LONGLONG>(m_nLimit) - nDone;
    return nRemaining < 0 ? 0 : nRemaining;
}

UINT CMultiFile::PieceSize(UINT nCount, LONG nDone) const
{
    LONGLONG nRemaining = Remaining(nDone);
    if (nRemaining < nCount)
        nCount = static_cast<UINT>(nRemaining);
    if (m_nTick > 0) {
        UINT nToTick = static_cast<UINT>(m_nTick) - static_cast<DWORD>(nDone) % static_cast<UINT>(m_nTick);
        if (nToTick < nCount)
            nCount = nToTick;
    }
    return nCount;
}

UINT CMultiFile::Read(void* pBuffer, UINT nCount)
{
    BYTE* pBytes = static_cast<BYTE*>(pBuffer);
    UINT nGot = 0;
    while (nGot < nCount) {
        UINT n = PieceSize(nCount - nGot, m_nRead);
        UINT k = n == 0 ? 0 : ReadRaw(pBytes + nGot, n);
        nGot += k;
        m_nRead = AddCount(m_nRead, k);
        // A hook that answers FALSE at the limit must have moved the limit;
        // one that did not would have us read nothing for ever.
        if (Remaining(m_nRead) == 0 && (OnVolumeEnd() || Remaining(m_nRead) == 0))
            break;
        if (k != 0 && m_nTick > 0 && static_cast<DWORD>(m_nRead) % static_cast<UINT>(m_nTick) == 0)
            OnTick();
        if (k != n && OnVolumeEnd())
            break;
    }
    m_crc.Update(pBuffer, nGot);
    return nGot;
}

void CMultiFile::Write(const void* pBuffer, UINT nCount)
{
    m_crc.Update(pBuffer, nCount);
    const BYTE* pBytes = static_cast<const BYTE*>(pBuffer);
    for (UINT nWritten = 0; nWritten < nCount;) {
        UINT n = PieceSize(nCount - nWritten, m_nWritten);
        if (n == 0)
            AfxThrowFileException(CFileException::diskFull, -1, GetPathName());
        WriteRaw(pBytes + nWritten, n);
        nWritten += n;
        m_nWritten = AddCount(m_nWritten, n);
        if (Remaining(m_nWritten) == 0)
            OnVolumeEnd();
    }
}
