#include "CException.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>

namespace
{
// Catches what f throws the way the program does, and hands it back.
CException* Catch(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (CException* e)
    {
        return e;
    }
    return nullptr;
}

class CCountedException : public CException
{
public:
    explicit CCountedException(int* pnDeleted) : m_pnDeleted(pnDeleted) {}
    ~CCountedException() override { ++*m_pnDeleted; }

private:
    int* m_pnDeleted;
};
}

TEST(ExceptionTest, EachThrowHelperThrowsItsKindByPointer)
{
    struct Case
    {
        const char* pszClassName;
        const CRuntimeClass* pClass;
        std::function<void()> throwIt;
    };
    const Case cases[] = {
        { "CMemoryException", RUNTIME_CLASS(CMemoryException), [] { AfxThrowMemoryException(); } },
        { "CFileException", RUNTIME_CLASS(CFileException), [] { AfxThrowFileException(CFileException::diskFull); } },
        { "CArchiveException", RUNTIME_CLASS(CArchiveException),
          [] { AfxThrowArchiveException(CArchiveException::badIndex); } },
        { "CResourceException", RUNTIME_CLASS(CResourceException), [] { AfxThrowResourceException(); } },
        { "CUserException", RUNTIME_CLASS(CUserException), [] { AfxThrowUserException(); } },
        { "CNotSupportedException", RUNTIME_CLASS(CNotSupportedException),
          [] { AfxThrowNotSupportedException(); } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszClassName);
        CException* e = Catch(c.throwIt);
        ASSERT_NE(nullptr, e);
        CExceptionGuard guard(e);
        EXPECT_STREQ(c.pszClassName, e->GetRuntimeClass()->m_lpszClassName);
        EXPECT_TRUE(e->IsKindOf(c.pClass));
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CObject)));
        for (const Case& other : cases)
        {
            EXPECT_EQ(other.pClass == c.pClass, e->IsKindOf(other.pClass)) << other.pszClassName;
        }
    }
}

TEST(ExceptionTest, FileAndArchiveExceptionsCarryTheirDetails)
{
    CException* e = Catch([] { AfxThrowFileException(CFileException::sharingViolation, 32, "C:\\x\\setup.ini"); });
    ASSERT_NE(nullptr, e);
    CExceptionGuard guard(e);
    CFileException* pFile = static_cast<CFileException*>(e);
    EXPECT_EQ(CFileException::sharingViolation, pFile->m_cause);
    EXPECT_EQ(32, pFile->m_lOsError);
    EXPECT_STREQ("C:\\x\\setup.ini", pFile->m_strFileName);

    e = Catch([] { AfxThrowFileException(CFileException::endOfFile); });
    CExceptionGuard guardDefaults(e);
    EXPECT_EQ(-1, static_cast<CFileException*>(e)->m_lOsError);
    EXPECT_TRUE(static_cast<CFileException*>(e)->m_strFileName.IsEmpty());

    e = Catch([] { AfxThrowArchiveException(CArchiveException::endOfFile, "data.z"); });
    CExceptionGuard guardArchive(e);
    EXPECT_EQ(CArchiveException::endOfFile, static_cast<CArchiveException*>(e)->m_cause);
    EXPECT_STREQ("data.z", static_cast<CArchiveException*>(e)->m_strFileName);
}

TEST(ExceptionTest, MapsWin32ErrorCodesToCauses)
{
    const struct
    {
        LONG lOsError;
        int nCause;
    } cases[] = {
        { 0, CFileException::none },
        { 2, CFileException::fileNotFound },        // ERROR_FILE_NOT_FOUND
        { 3, CFileException::badPath },             // ERROR_PATH_NOT_FOUND
        { 4, CFileException::tooManyOpenFiles },    // ERROR_TOO_MANY_OPEN_FILES
        { 5, CFileException::accessDenied },        // ERROR_ACCESS_DENIED
        { 6, CFileException::invalidFile },         // ERROR_INVALID_HANDLE
        { 16, CFileException::removeCurrentDir },   // ERROR_CURRENT_DIRECTORY
        { 82, CFileException::directoryFull },      // ERROR_CANNOT_MAKE
        { 25, CFileException::badSeek },            // ERROR_SEEK
        { 131, CFileException::badSeek },           // ERROR_NEGATIVE_SEEK
        { 30, CFileException::hardIO },             // ERROR_READ_FAULT
        { 1117, CFileException::hardIO },           // ERROR_IO_DEVICE
        { 32, CFileException::sharingViolation },   // ERROR_SHARING_VIOLATION
        { 33, CFileException::lockViolation },      // ERROR_LOCK_VIOLATION
        { 112, CFileException::diskFull },          // ERROR_DISK_FULL
        { 39, CFileException::diskFull },           // ERROR_HANDLE_DISK_FULL
        { 38, CFileException::endOfFile },          // ERROR_HANDLE_EOF
        { 123, CFileException::badPath },           // ERROR_INVALID_NAME
        { 80, CFileException::accessDenied },       // ERROR_FILE_EXISTS
        { 87, CFileException::genericException },   // ERROR_INVALID_PARAMETER
        { -1, CFileException::genericException },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nCause, CFileException::OsErrorToException(c.lOsError)) << c.lOsError;

#ifdef _WIN32
    EXPECT_EQ(CFileException::fileNotFound, CFileException::OsErrorToException(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(CFileException::badSeek, CFileException::OsErrorToException(ERROR_NEGATIVE_SEEK));
    EXPECT_EQ(CFileException::diskFull, CFileException::OsErrorToException(ERROR_HANDLE_DISK_FULL));
#endif
}

TEST(ExceptionTest, MapsRunTimeErrnoValuesToCauses)
{
    const struct
    {
        int nErrno;
        int nCause;
    } cases[] = {
        { 0, CFileException::none },
        { ENOENT, CFileException::fileNotFound },
        { ENOTDIR, CFileException::badPath },
        { EACCES, CFileException::accessDenied },
        { EEXIST, CFileException::accessDenied },
        { EROFS, CFileException::accessDenied },
        { EMFILE, CFileException::tooManyOpenFiles },
        { EBADF, CFileException::invalidFile },
        { ENOSPC, CFileException::diskFull },
        { EIO, CFileException::hardIO },
        { ESPIPE, CFileException::badSeek },
        { EDEADLK, CFileException::lockViolation },
        { EINVAL, CFileException::genericException },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nCause, CFileException::ErrnoToException(c.nErrno)) << c.nErrno;
}

TEST(ExceptionTest, ThrowsFromSystemErrorsKeepingTheCode)
{
    CException* e = Catch([] { CFileException::ThrowOsError(5, "locked.dll"); });
    CExceptionGuard guard(e);
    CFileException* pFile = static_cast<CFileException*>(e);
    EXPECT_EQ(CFileException::accessDenied, pFile->m_cause);
    EXPECT_EQ(5, pFile->m_lOsError);
    EXPECT_STREQ("locked.dll", pFile->m_strFileName);

    e = Catch([] { CFileException::ThrowErrno(ENOSPC); });
    CExceptionGuard guardErrno(e);
    EXPECT_EQ(CFileException::diskFull, static_cast<CFileException*>(e)->m_cause);
    EXPECT_EQ(ENOSPC, static_cast<CFileException*>(e)->m_lOsError);
}

TEST(ExceptionTest, GuardDeletesTheCaughtExceptionOnEveryWayOut)
{
    int nDeleted = 0;
    {
        CExceptionGuard guard(new CCountedException(&nDeleted));
    }
    EXPECT_EQ(1, nDeleted);

    // Leaving a handler by an exception of its own still deletes the first.
    try
    {
        try
        {
            throw new CCountedException(&nDeleted);
        }
        catch (CException* e)
        {
            CExceptionGuard guard(e);
            AfxThrowUserException();
        }
    }
    catch (CException* e)
    {
        CExceptionGuard guard(e);
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CUserException)));
    }
    EXPECT_EQ(2, nDeleted);

    // Released and thrown on: the next handler owns it.
    CException* pPassedOn = Catch([&] {
        try
        {
            throw new CCountedException(&nDeleted);
        }
        catch (CException* e)
        {
            CExceptionGuard guard(e);
            throw guard.Release();
        }
    });
    EXPECT_EQ(2, nDeleted);
    CExceptionGuard guardPassedOn(pPassedOn);
    EXPECT_EQ(pPassedOn, guardPassedOn.Get());
}

TEST(ExceptionTest, DeleteLeavesObjectsWithoutAutoDelete)
{
    int nDeleted = 0;
    CCountedException stackException(&nDeleted);
    stackException.m_bAutoDelete = FALSE;
    {
        CExceptionGuard guard(&stackException);
    }
    EXPECT_EQ(0, nDeleted);

    // The memory exception is one static object, thrown again and again.
    CException* pFirst = Catch([] { AfxThrowMemoryException(); });
    {
        CExceptionGuard guardFirst(pFirst);
    }
    CException* pSecond = Catch([] { AfxThrowMemoryException(); });
    CExceptionGuard guard(pSecond);
    EXPECT_EQ(pFirst, pSecond);
    EXPECT_FALSE(pSecond->m_bAutoDelete);
}
