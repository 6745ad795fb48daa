#include "CException.h"

#include <cerrno>
#include <cstddef>
#include <new>
#include <utility>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

CMemoryException::CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete) {}

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

namespace
{
struct CErrorCause
{
    LONG lError;
    int nCause;
};

template <std::size_t N>
int LookupCause(const CErrorCause (&table)[N], LONG lError)
{
    for (const CErrorCause& entry : table)
    {
        if (entry.lError == lError)
            return entry.nCause;
    }
    return CFileException::genericException;
}

// Win32 error codes by number, so that the native build maps them as well.
const CErrorCause g_osErrorCauses[] = {
    { 0, CFileException::none },                 // ERROR_SUCCESS
    { 2, CFileException::fileNotFound },         // ERROR_FILE_NOT_FOUND
    { 3, CFileException::badPath },              // ERROR_PATH_NOT_FOUND
    { 4, CFileException::tooManyOpenFiles },     // ERROR_TOO_MANY_OPEN_FILES
    { 5, CFileException::accessDenied },         // ERROR_ACCESS_DENIED
    { 6, CFileException::invalidFile },          // ERROR_INVALID_HANDLE
    { 15, CFileException::badPath },             // ERROR_INVALID_DRIVE
    { 16, CFileException::removeCurrentDir },    // ERROR_CURRENT_DIRECTORY
    { 19, CFileException::accessDenied },        // ERROR_WRITE_PROTECT
    { 20, CFileException::hardIO },              // ERROR_BAD_UNIT
    { 21, CFileException::hardIO },              // ERROR_NOT_READY
    { 22, CFileException::hardIO },              // ERROR_BAD_COMMAND
    { 23, CFileException::hardIO },              // ERROR_CRC
    { 25, CFileException::badSeek },             // ERROR_SEEK
    { 26, CFileException::invalidFile },         // ERROR_NOT_DOS_DISK
    { 27, CFileException::hardIO },              // ERROR_SECTOR_NOT_FOUND
    { 29, CFileException::hardIO },              // ERROR_WRITE_FAULT
    { 30, CFileException::hardIO },              // ERROR_READ_FAULT
    { 31, CFileException::hardIO },              // ERROR_GEN_FAILURE
    { 32, CFileException::sharingViolation },    // ERROR_SHARING_VIOLATION
    { 33, CFileException::lockViolation },       // ERROR_LOCK_VIOLATION
    { 34, CFileException::hardIO },              // ERROR_WRONG_DISK
    { 36, CFileException::sharingViolation },    // ERROR_SHARING_BUFFER_EXCEEDED
    { 38, CFileException::endOfFile },           // ERROR_HANDLE_EOF
    { 39, CFileException::diskFull },            // ERROR_HANDLE_DISK_FULL
    { 53, CFileException::badPath },             // ERROR_BAD_NETPATH
    { 65, CFileException::accessDenied },        // ERROR_NETWORK_ACCESS_DENIED
    { 67, CFileException::badPath },             // ERROR_BAD_NET_NAME
    { 80, CFileException::accessDenied },        // ERROR_FILE_EXISTS
    { 82, CFileException::directoryFull },       // ERROR_CANNOT_MAKE
    { 112, CFileException::diskFull },           // ERROR_DISK_FULL
    { 123, CFileException::badPath },            // ERROR_INVALID_NAME
    { 131, CFileException::badSeek },            // ERROR_NEGATIVE_SEEK
    { 132, CFileException::badSeek },            // ERROR_SEEK_ON_DEVICE
    { 158, CFileException::lockViolation },      // ERROR_NOT_LOCKED
    { 161, CFileException::badPath },            // ERROR_BAD_PATHNAME
    { 183, CFileException::accessDenied },       // ERROR_ALREADY_EXISTS
    { 206, CFileException::badPath },            // ERROR_FILENAME_EXCED_RANGE
    { 267, CFileException::badPath },            // ERROR_DIRECTORY
    { 1006, CFileException::invalidFile },       // ERROR_FILE_INVALID
    { 1117, CFileException::hardIO },            // ERROR_IO_DEVICE
};

const CErrorCause g_errnoCauses[] = {
    { 0, CFileException::none },
    { ENOENT, CFileException::fileNotFound },
    { ENOTDIR, CFileException::badPath },
    { ENAMETOOLONG, CFileException::badPath },
    { ELOOP, CFileException::badPath },
    { EACCES, CFileException::accessDenied },
    { EPERM, CFileException::accessDenied },
    { EROFS, CFileException::accessDenied },
    { EEXIST, CFileException::accessDenied },
    { EISDIR, CFileException::accessDenied },
    { ENOTEMPTY, CFileException::accessDenied },
    { EMFILE, CFileException::tooManyOpenFiles },
    { ENFILE, CFileException::tooManyOpenFiles },
    { EBADF, CFileException::invalidFile },
    { ESPIPE, CFileException::badSeek },
    { EIO, CFileException::hardIO },
    { ENXIO, CFileException::hardIO },
    { ENODEV, CFileException::hardIO },
    { EBUSY, CFileException::sharingViolation },
    { ETXTBSY, CFileException::sharingViolation },
    { EDEADLK, CFileException::lockViolation },
    { ENOLCK, CFileException::lockViolation },
    { ENOSPC, CFileException::diskFull },
    { EFBIG, CFileException::diskFull },
#ifdef EDQUOT
    { EDQUOT, CFileException::diskFull },
#endif
};
}

int CFileException::OsErrorToException(LONG lOsError)
{
    return LookupCause(g_osErrorCauses, lOsError);
}

int CFileException::ErrnoToException(int nErrno)
{
    return LookupCause(g_errnoCauses, nErrno);
}

void CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

namespace
{
// Failing to allocate the exception itself becomes the memory exception.
template <class T, class... Args>
[[noreturn]] void ThrowNew(Args&&... args)
{
    T* pException = new (std::nothrow) T(std::forward<Args>(args)...);
    if (pException == nullptr)
        AfxThrowMemoryException();
    throw pException;
}
}

void AfxThrowMemoryException()
{
    static CMemoryException g_memoryException(FALSE);
    throw &g_memoryException;
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    ThrowNew<CFileException>(cause, lOsError, lpszFileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    ThrowNew<CArchiveException>(cause, lpszArchiveName);
}

void AfxThrowResourceException()
{
    ThrowNew<CResourceException>();
}

void AfxThrowUserException()
{
    ThrowNew<CUserException>();
}

void AfxThrowNotSupportedException()
{
    ThrowNew<CNotSupportedException>();
}

CExceptionGuard::~CExceptionGuard()
{
    if (m_pException != nullptr)
        m_pException->Delete();
}

CException* CExceptionGuard::Release()
{
    CException* pException = m_pException;
    m_pException = nullptr;
    return pException;
}
