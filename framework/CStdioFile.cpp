#include "CStdioFile.h"

#include <cerrno>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(nullptr), m_nLastOperation(opNone) {}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CStdioFile()
{
    OpenOrThrow(lpszFileName, nOpenFlags);
}

CStdioFile::~CStdioFile()
{
    Abort();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    // The file itself is opened (created, shared) exactly as CFile does;
    // the stream then takes over its handle.
    if (!CFile::Open(lpszFileName, nOpenFlags, pError))
        return FALSE;

    UINT nAccess = nOpenFlags & accessMask;
#ifdef _WIN32
    BOOL bBinary = (nOpenFlags & typeBinary) != 0;
    const char* pszMode = nAccess == modeRead ? (bBinary ? "rb" : "rt")
                        : nAccess == modeWrite ? (bBinary ? "wb" : "wt")
                                               : (bBinary ? "r+b" : "r+t");
    int nFlags = nAccess == modeRead ? _O_RDONLY : nAccess == modeWrite ? _O_WRONLY : _O_RDWR;
    nFlags |= bBinary ? _O_BINARY : _O_TEXT;
    errno = 0;
    int nDescriptor = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), nFlags);
    if (nDescriptor < 0)
    {
        int nError = errno != 0 ? errno : EMFILE;
        CFile::Abort();
        return FailOpen(pError, CFileException::ErrnoToException(nError), nError, lpszFileName);
    }
    m_pStream = _fdopen(nDescriptor, pszMode);
    if (m_pStream == nullptr)
    {
        int nError = errno != 0 ? errno : EMFILE;
        _close(nDescriptor);  // closes the handle with it
        ForgetHandle();
        return FailOpen(pError, CFileException::ErrnoToException(nError), nError, lpszFileName);
    }
#else
    const char* pszMode = nAccess == modeRead ? "r" : nAccess == modeWrite ? "w" : "r+";
    m_pStream = fdopen(m_hFile, pszMode);
    if (m_pStream == nullptr)
    {
        int nError = errno;
        CFile::Abort();
        return FailOpen(pError, CFileException::ErrnoToException(nError), nError, lpszFileName);
    }
#endif
    m_nLastOperation = opNone;
    return TRUE;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    BeginTransfer(opRead);
    CString strLine;
    BOOL bLineEnd = FALSE;
    BOOL bAny = FALSE;
    errno = 0;
    for (int ch = getc(m_pStream); ch != EOF; ch = getc(m_pStream))
    {
        bAny = TRUE;
        if (ch == '\n')
        {
            bLineEnd = TRUE;
            break;
        }
        strLine += static_cast<char>(ch);
    }
    if (ferror(m_pStream))
        ThrowStreamError(CFileException::genericException);

    if (bLineEnd && !strLine.IsEmpty() && strLine[strLine.GetLength() - 1] == '\r')
        strLine = strLine.Left(strLine.GetLength() - 1);
    rString = std::move(strLine);
    return bAny;
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    BeginTransfer(opWrite);
    if (lpsz == nullptr || *lpsz == '\0')
        return;
    errno = 0;
    if (fputs(lpsz, m_pStream) == EOF)
        ThrowStreamError(CFileException::diskFull);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    BeginTransfer(opRead);
    if (nCount == 0)
        return 0;
    errno = 0;
    size_t nRead = fread(lpBuf, 1, nCount, m_pStream);
    if (nRead < nCount && ferror(m_pStream))
        ThrowStreamError(CFileException::genericException);
    return static_cast<UINT>(nRead);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    BeginTransfer(opWrite);
    if (nCount == 0)
        return;
    errno = 0;
    if (fwrite(lpBuf, 1, nCount, m_pStream) < nCount)
        ThrowStreamError(CFileException::diskFull);
}

LONG CStdioFile::Seek(LONG lOff, UINT nFrom)
{
    CheckOpen();
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFilePath);
    static const int s_nOrigin[] = { SEEK_SET, SEEK_CUR, SEEK_END };
    errno = 0;
    if (fseek(m_pStream, lOff, s_nOrigin[nFrom]) != 0)
        ThrowStreamError(CFileException::badSeek);
    m_nLastOperation = opNone;
    return static_cast<LONG>(GetPosition());
}

DWORD CStdioFile::GetLength() const
{
    CheckOpen();
    // Bytes still in the stream's buffer belong to the file.
    errno = 0;
    if (m_nLastOperation == opWrite && fflush(m_pStream) != 0)
        ThrowStreamError(CFileException::diskFull);
    return CFile::GetLength();
}

DWORD CStdioFile::GetPosition() const
{
    CheckOpen();
    errno = 0;
    long lPosition = ftell(m_pStream);
    if (lPosition < 0)
        ThrowStreamError(CFileException::badSeek);
    return static_cast<DWORD>(CheckedPosition(lPosition));
}

void CStdioFile::SetLength(DWORD dwNewLen)
{
    CheckAccess(TRUE);
    Flush();
    CFile::SetLength(dwNewLen);
    Seek(static_cast<LONG>(dwNewLen), begin);
}

void CStdioFile::Flush()
{
    CheckOpen();
    errno = 0;
    if (m_nLastOperation == opWrite && fflush(m_pStream) != 0)
        ThrowStreamError(CFileException::diskFull);
}

void CStdioFile::Close()
{
    if (m_pStream == nullptr)
        return;
    FILE* pStream = m_pStream;
    m_pStream = nullptr;
    ForgetHandle();
    // Buffered bytes are written now: a full disk may show only here.
    errno = 0;
    if (fclose(pStream) != 0)
        ThrowStreamError(CFileException::diskFull);
}

void CStdioFile::Abort()
{
    if (m_pStream == nullptr)
        return;
    fclose(m_pStream);
    m_pStream = nullptr;
    ForgetHandle();
}

void CStdioFile::BeginTransfer(LastOperation nOperation)
{
    CheckAccess(nOperation == opWrite);
    // C requires a positioning call between output and input on one stream.
    if (m_nLastOperation != opNone && m_nLastOperation != nOperation)
    {
        errno = 0;
        if (fseek(m_pStream, 0, SEEK_CUR) != 0)
            ThrowStreamError(CFileException::badSeek);
    }
    m_nLastOperation = nOperation;
}

void CStdioFile::ThrowStreamError(int fallbackCause) const
{
    int nError = errno;
    if (m_pStream != nullptr)
        clearerr(m_pStream);
    if (nError == 0)
        AfxThrowFileException(fallbackCause, -1, m_strFilePath);
    if (nError == EINVAL && fallbackCause == CFileException::badSeek)
        AfxThrowFileException(CFileException::badSeek, nError, m_strFilePath);
    ThrowErrno(nError);
}
