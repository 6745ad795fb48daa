// The framework's exceptions. They are thrown as heap objects by pointer
// (throw new CFileException(...), or one of the AfxThrow helpers), caught by
// pointer and released by the catch site with Delete(); hold the caught
// pointer in a CExceptionGuard so that no path out of the handler leaks it:
//
//     catch (CException* e)
//     {
//         CExceptionGuard guard(e);
//         ...               // throw guard.Release(); passes it on
//     }
#pragma once

#include "CObject.h"
#include "CString.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE);

    // Deletes the object unless it is a static one (m_bAutoDelete FALSE).
    void Delete();

    BOOL m_bAutoDelete;
};

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE);
};

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);

    // The cause for a Win32 error code (GetLastError) or a C run-time errno
    // value; genericException for anything without a closer cause.
    static int OsErrorToException(LONG lOsError);
    static int ErrnoToException(int nErrno);

    // Throw the exception for such an error, the code kept in m_lOsError.
    [[noreturn]] static void ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = nullptr);
    [[noreturn]] static void ThrowErrno(int nErrno, LPCTSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;  // -1 when no system error is behind the cause
    CString m_strFileName;
};

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none = 0,
        genericException = 1,
        readOnly = 2,
        endOfFile = 3,
        writeOnly = 4,
        badIndex = 5,
        badClass = 6,
        badSchema = 7
    };

    explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = nullptr);

    int m_cause;
    CString m_strFileName;
};

class CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
};

class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
};

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
};

// Out of memory throws one static object: allocating a new one could fail.
[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = nullptr);
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowNotSupportedException();

// Owns a caught exception and Delete()s it when the handler is left.
class CExceptionGuard
{
public:
    explicit CExceptionGuard(CException* pException) noexcept : m_pException(pException) {}
    ~CExceptionGuard();
    CExceptionGuard(const CExceptionGuard&) = delete;
    CExceptionGuard& operator=(const CExceptionGuard&) = delete;

    CException* Get() const { return m_pException; }
    // Gives the exception back to the caller, e.g. to throw it on.
    CException* Release();

private:
    CException* m_pException;
};
