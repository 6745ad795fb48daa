#include "CFile.h"

#include <initializer_list>
#include <limits>
#include <utility>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace
{
#ifdef _WIN32
const LONG g_lErrorClosed = ERROR_INVALID_HANDLE;
const LONG g_lErrorDenied = ERROR_ACCESS_DENIED;
#else
const LONG g_lErrorClosed = EBADF;
const LONG g_lErrorDenied = EACCES;
#endif
}

#ifdef _WIN32
CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE), m_nOpenFlags(0) {}
#else
CFile::CFile() : m_hFile(-1), m_nOpenFlags(0) {}
#endif

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CFile()
{
    OpenOrThrow(lpszFileName, nOpenFlags);
}

CFile::~CFile()
{
    Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (lpszFileName == nullptr)
        lpszFileName = "";
    BOOL bValidFlags = (nOpenFlags & accessMask) != accessMask && (nOpenFlags & shareMask) <= shareDenyNone;
    if (IsOpen() || !bValidFlags)
        return FailOpen(pError, CFileException::genericException, -1, lpszFileName);
    // Taken before the file is opened, so that no failure can leak it.
    CString strFilePath(lpszFileName);

#ifdef _WIN32
    DWORD dwAccess = GENERIC_READ;
    if ((nOpenFlags & accessMask) == modeWrite)
        dwAccess = GENERIC_WRITE;
    else if ((nOpenFlags & accessMask) == modeReadWrite)
        dwAccess = GENERIC_READ | GENERIC_WRITE;

    DWORD dwShare = 0;
    switch (nOpenFlags & shareMask)
    {
    case shareDenyWrite: dwShare = FILE_SHARE_READ; break;
    case shareDenyRead: dwShare = FILE_SHARE_WRITE; break;
    case shareDenyNone: dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: break;
    }

    DWORD dwCreation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        dwCreation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    SECURITY_ATTRIBUTES sa = { sizeof(sa), nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE };
    HANDLE hFile = CreateFileA(lpszFileName, dwAccess, dwShare, &sa, dwCreation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        LONG lError = static_cast<LONG>(GetLastError());
        return FailOpen(pError, CFileException::OsErrorToException(lError), lError, lpszFileName);
    }
#else
    int nFlags = O_RDONLY;
    if ((nOpenFlags & accessMask) == modeWrite)
        nFlags = O_WRONLY;
    else if ((nOpenFlags & accessMask) == modeReadWrite)
        nFlags = O_RDWR;
    if (nOpenFlags & modeCreate)
        nFlags |= (nOpenFlags & modeNoTruncate) ? O_CREAT : O_CREAT | O_TRUNC;
    if (nOpenFlags & modeNoInherit)
        nFlags |= O_CLOEXEC;

    int hFile;
    do
        hFile = open(lpszFileName, nFlags, 0666);
    while (hFile < 0 && errno == EINTR);
    // A directory opens for reading here; Win32 refuses it, and so do we.
    struct stat st;
    if (hFile >= 0 && fstat(hFile, &st) == 0 && S_ISDIR(st.st_mode))
    {
        close(hFile);
        hFile = -1;
        errno = EISDIR;
    }
    if (hFile < 0)
    {
        int nError = errno;
        return FailOpen(pError, CFileException::ErrnoToException(nError), nError, lpszFileName);
    }
#endif

    m_hFile = hFile;
    m_nOpenFlags = nOpenFlags;
    m_strFilePath = std::move(strFilePath);
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    CheckAccess(FALSE);
    if (nCount == 0)
        return 0;
#ifdef _WIN32
    DWORD dwRead = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &dwRead, nullptr))
        ThrowLastError();
    return dwRead;
#else
    // Like ReadFile on a disk file: short only at the end of the file.
    UINT nTotal = 0;
    while (nTotal < nCount)
    {
        ssize_t nRead = read(m_hFile, static_cast<char*>(lpBuf) + nTotal, nCount - nTotal);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0)
            ThrowLastError();
        if (nRead == 0)
            break;
        nTotal += static_cast<UINT>(nRead);
    }
    return nTotal;
#endif
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    CheckAccess(TRUE);
    if (nCount == 0)
        return;
#ifdef _WIN32
    DWORD dwWritten = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &dwWritten, nullptr))
        ThrowLastError();
    if (dwWritten < nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFilePath);
#else
    UINT nTotal = 0;
    while (nTotal < nCount)
    {
        ssize_t nWritten = write(m_hFile, static_cast<const char*>(lpBuf) + nTotal, nCount - nTotal);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten < 0)
            ThrowLastError();
        if (nWritten == 0)
            AfxThrowFileException(CFileException::diskFull, -1, m_strFilePath);
        nTotal += static_cast<UINT>(nWritten);
    }
#endif
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    CheckOpen();
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFilePath);
#ifdef _WIN32
    LONG lHigh = lOff < 0 ? -1 : 0;
    SetLastError(NO_ERROR);
    DWORD dwLow = SetFilePointer(m_hFile, lOff, &lHigh, nFrom);
    if (dwLow == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        ThrowLastError();
    return CheckedPosition((static_cast<LONGLONG>(lHigh) << 32) | dwLow);
#else
    static const int s_nWhence[] = { SEEK_SET, SEEK_CUR, SEEK_END };
    off_t nPosition = lseek(m_hFile, lOff, s_nWhence[nFrom]);
    if (nPosition < 0 && errno == EINVAL)  // before the start, as ERROR_NEGATIVE_SEEK
        AfxThrowFileException(CFileException::badSeek, errno, m_strFilePath);
    if (nPosition < 0)
        ThrowLastError();
    return CheckedPosition(nPosition);
#endif
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

DWORD CFile::SeekToEnd()
{
    return static_cast<DWORD>(Seek(0, end));
}

DWORD CFile::GetLength() const
{
    CheckOpen();
#ifdef _WIN32
    DWORD dwHigh = 0;
    SetLastError(NO_ERROR);
    DWORD dwLow = GetFileSize(m_hFile, &dwHigh);
    if (dwLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        ThrowLastError();
    return static_cast<DWORD>(CheckedPosition((static_cast<LONGLONG>(dwHigh) << 32) | dwLow));
#else
    struct stat st;
    if (fstat(m_hFile, &st) != 0)
        ThrowLastError();
    return static_cast<DWORD>(CheckedPosition(st.st_size));
#endif
}

DWORD CFile::GetPosition() const
{
    CheckOpen();
#ifdef _WIN32
    LONG lHigh = 0;
    SetLastError(NO_ERROR);
    DWORD dwLow = SetFilePointer(m_hFile, 0, &lHigh, FILE_CURRENT);
    if (dwLow == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        ThrowLastError();
    return static_cast<DWORD>(CheckedPosition((static_cast<LONGLONG>(lHigh) << 32) | dwLow));
#else
    off_t nPosition = lseek(m_hFile, 0, SEEK_CUR);
    if (nPosition < 0)
        ThrowLastError();
    return static_cast<DWORD>(CheckedPosition(nPosition));
#endif
}

void CFile::SetLength(DWORD dwNewLen)
{
    CheckAccess(TRUE);
    LONG lNewLen = CheckedPosition(dwNewLen);
#ifdef _WIN32
    CFile::Seek(lNewLen, begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError();
#else
    if (ftruncate(m_hFile, lNewLen) != 0)
        ThrowLastError();
    CFile::Seek(lNewLen, begin);
#endif
}

void CFile::Flush()
{
    CheckOpen();
    if ((m_nOpenFlags & accessMask) == modeRead)
        return;
#ifdef _WIN32
    if (!FlushFileBuffers(m_hFile))
        ThrowLastError();
#else
    if (fsync(m_hFile) != 0)
        ThrowLastError();
#endif
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    auto hFile = m_hFile;
    ForgetHandle();
#ifdef _WIN32
    if (!CloseHandle(hFile))
        ThrowLastError();
#else
    // Even after EINTR the descriptor is gone on Linux: never close twice.
    if (close(hFile) != 0 && errno != EINTR)
        ThrowLastError();
#endif
}

void CFile::Abort()
{
    if (!IsOpen())
        return;
#ifdef _WIN32
    CloseHandle(m_hFile);
#else
    close(m_hFile);
#endif
    ForgetHandle();
}

BOOL CFile::IsOpen() const
{
#ifdef _WIN32
    return m_hFile != INVALID_HANDLE_VALUE;
#else
    return m_hFile >= 0;
#endif
}

CString CFile::GetFileName() const
{
    int nSeparator = m_strFilePath.ReverseFind('\\');
    for (char ch : { '/', ':' })
    {
        int nFound = m_strFilePath.ReverseFind(ch);
        if (nFound > nSeparator)
            nSeparator = nFound;
    }
    return m_strFilePath.Mid(nSeparator + 1);
}

CString CFile::GetFilePath() const
{
    return m_strFilePath;
}

void CFile::OpenOrThrow(LPCTSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

BOOL CFile::FailOpen(CFileException* pError, int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    if (pError != nullptr)
    {
        pError->m_cause = cause;
        pError->m_lOsError = lOsError;
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}

void CFile::CheckOpen() const
{
    if (!IsOpen())
        AfxThrowFileException(CFileException::invalidFile, g_lErrorClosed, m_strFilePath);
}

void CFile::CheckAccess(BOOL bWrite) const
{
    CheckOpen();
    if ((m_nOpenFlags & accessMask) == (bWrite ? modeRead : modeWrite))
        AfxThrowFileException(CFileException::accessDenied, g_lErrorDenied, m_strFilePath);
}

void CFile::ForgetHandle()
{
#ifdef _WIN32
    m_hFile = INVALID_HANDLE_VALUE;
#else
    m_hFile = -1;
#endif
}

void CFile::ThrowErrno(int nErrno) const
{
    CFileException::ThrowErrno(nErrno, m_strFilePath);
}

void CFile::ThrowLastError() const
{
#ifdef _WIN32
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFilePath);
#else
    ThrowErrno(errno);
#endif
}

LONG CFile::CheckedPosition(LONGLONG llPosition) const
{
    if (llPosition < 0 || llPosition > std::numeric_limits<LONG>::max())
        AfxThrowFileException(CFileException::badSeek, -1, m_strFilePath);
    return static_cast<LONG>(llPosition);
}
