// CFilePath against the real file system: special folders, files and
// directories, all made in a directory of the test's own under the temporary
// directory and removed afterwards.
#include "CException.h"
#include "CFilePath.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace
{

bool IsDirectory(const CString& strPath)
{
    DWORD dwAttributes = GetFileAttributesA(strPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CString GetCurrentDirectoryText()
{
    char szDirectory[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szDirectory);
    return szDirectory;
}

class FilePathWin32 : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strStartDirectory = GetCurrentDirectoryText();
        char szTemp[MAX_PATH];
        ASSERT_NE(0u, GetTempPathA(MAX_PATH, szTemp));
        m_strTemp.Format("%sfilepath-%lu-%lu\\", szTemp, GetCurrentProcessId(), GetTickCount());
        ASSERT_TRUE(CreateDirectoryA(m_strTemp, nullptr));
    }

    void TearDown() override
    {
        // A process's current directory cannot be removed.
        SetCurrentDirectoryA(m_strStartDirectory);
        RemoveTree(m_strTemp);
        EXPECT_FALSE(IsDirectory(m_strTemp));
    }

    CString InTemp(const char* pszName) const { return m_strTemp + pszName; }

    void MakeFile(const char* pszName) const
    {
        HANDLE hFile = CreateFileA(InTemp(pszName), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hFile) << pszName;
        CloseHandle(hFile);
    }

    CString m_strStartDirectory;
    CString m_strTemp;  // ends with a backslash
};

TEST_F(FilePathWin32, SpecialFoldersAreDirectoryPaths)
{
    char szBuffer[MAX_PATH];
    GetWindowsDirectoryA(szBuffer, MAX_PATH);
    EXPECT_STREQ(CString(szBuffer) + "\\", CFilePath(1).GetPath());
    GetSystemDirectoryA(szBuffer, MAX_PATH);
    EXPECT_STREQ(CString(szBuffer) + "\\", CFilePath(2).GetPath());
    GetTempPathA(MAX_PATH, szBuffer);
    EXPECT_STREQ(szBuffer, CFilePath(4).GetPath());

    GetModuleFileNameA(nullptr, szBuffer, MAX_PATH);
    const CString strModule(szBuffer);
    EXPECT_STREQ(strModule.Left(strModule.ReverseFind('\\') + 1), CFilePath(3).GetPath());
    CFilePath pathModule;
    pathModule.SetToModulePath();
    EXPECT_STREQ(strModule, pathModule.GetPath());

    ASSERT_TRUE(SetCurrentDirectoryA(m_strTemp));
    EXPECT_STREQ(m_strTemp, CFilePath(0).GetPath());

    EXPECT_STREQ("", CFilePath(9).GetPath());
    EXPECT_STREQ("", CFilePath(-1).GetPath());
}

TEST_F(FilePathWin32, AnswerLongerThanTheBufferGivesAnEmptyPath)
{
    char szSaved[MAX_PATH];
    const DWORD nSaved = GetEnvironmentVariableA("TMP", szSaved, MAX_PATH);
    ASSERT_LT(nSaved, static_cast<DWORD>(MAX_PATH));
    ASSERT_TRUE(SetEnvironmentVariableA("TMP", "C:\\" + CString('t', 300)));

    EXPECT_STREQ("", CFilePath(4).GetPath());

    SetEnvironmentVariableA("TMP", nSaved != 0 ? szSaved : nullptr);
}

struct ExistsCase
{
    const char* pszName;
    BOOL bExists;
    BOOL bDirectoryExists;
};

TEST_F(FilePathWin32, ExistsListsThePathAndDirectoryExistsItsDirectory)
{
    MakeFile("F.TXT");
    const ExistsCase aCases[] = {
        {"F.TXT", TRUE, TRUE},
        {"NONE.TXT", FALSE, TRUE},
        {"NODIR\\F.TXT", FALSE, FALSE},
        {"F.TXT\\G.TXT", FALSE, FALSE},
    };
    for (const ExistsCase& existsCase : aCases)
    {
        const CFilePath path(InTemp(existsCase.pszName));
        EXPECT_EQ(existsCase.bExists, path.Exists()) << existsCase.pszName;
        EXPECT_EQ(existsCase.bDirectoryExists, path.DirectoryExists()) << existsCase.pszName;
    }

    // An empty path names nothing, not the current directory.
    ASSERT_TRUE(SetCurrentDirectoryA(m_strTemp));
    EXPECT_FALSE(CFilePath().Exists());
    EXPECT_FALSE(CFilePath().DirectoryExists());
}

TEST_F(FilePathWin32, DeleteClearsReadOnlyOnlyWhenForced)
{
    MakeFile("RO.TXT");
    ASSERT_TRUE(SetFileAttributesA(InTemp("RO.TXT"), FILE_ATTRIBUTE_READONLY));
    const CFilePath path(InTemp("RO.TXT"));

    EXPECT_FALSE(path.Delete(FALSE));
    EXPECT_TRUE(path.Exists());
    EXPECT_TRUE(path.Delete(TRUE));
    EXPECT_FALSE(path.Exists());
    EXPECT_FALSE(path.Delete(TRUE));
}

TEST_F(FilePathWin32, RenameRefusesAnExistingTarget)
{
    MakeFile("A.TXT");
    MakeFile("C.TXT");
    const CFilePath path(InTemp("A.TXT"));

    EXPECT_TRUE(path.Rename(InTemp("B.TXT")));
    EXPECT_FALSE(CFilePath(InTemp("A.TXT")).Exists());

    const CFilePath pathMoved(InTemp("B.TXT"));
    EXPECT_FALSE(pathMoved.Rename(InTemp("C.TXT")));
    EXPECT_TRUE(pathMoved.Exists());
    EXPECT_TRUE(CFilePath(InTemp("C.TXT")).Exists());
}

TEST_F(FilePathWin32, ModificationTimeInSecondsOrZero)
{
    MakeFile("T.TXT");
    // 2001-02-03 04:05:06 UTC.
    SYSTEMTIME systemTime = {2001, 2, 0, 3, 4, 5, 6, 0};
    FILETIME fileTime;
    ASSERT_TRUE(SystemTimeToFileTime(&systemTime, &fileTime));
    HANDLE hFile = CreateFileA(InTemp("T.TXT"), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    ASSERT_TRUE(SetFileTime(hFile, nullptr, nullptr, &fileTime));
    CloseHandle(hFile);

    LONGLONG nTime = 0;
    CFilePath(InTemp("T.TXT")).GetModificationTime(nTime);
    EXPECT_EQ(981173106, nTime);
    CFilePath(InTemp("NONE.TXT")).GetModificationTime(nTime);
    EXPECT_EQ(0, nTime);
}

TEST_F(FilePathWin32, MakeUniqueFileTitleSkipsExistingNames)
{
    RestartRandomNamesForTesting();
    CFilePath path(InTemp("F.TMP"));
    EXPECT_TRUE(path.MakeUniqueFileTitle(TRUE, 1000));
    EXPECT_STREQ(InTemp("4ae16784.TMP"), path.GetPath());

    MakeFile("4ae16784.TMP");
    RestartRandomNamesForTesting();
    path = InTemp("F.TMP");
    EXPECT_TRUE(path.MakeUniqueFileTitle(TRUE, 1000));
    EXPECT_STREQ(InTemp("5f906952.TMP"), path.GetPath());

    // Out of attempts: the path keeps the last title tried.
    RestartRandomNamesForTesting();
    path = InTemp("F.TMP");
    EXPECT_FALSE(path.MakeUniqueFileTitle(TRUE, 1));
    EXPECT_STREQ(InTemp("4ae16784.TMP"), path.GetPath());

    RestartRandomNamesForTesting();
    path = InTemp("F.TMP");
    EXPECT_TRUE(path.MakeUniqueFileTitle(FALSE, 1));
    EXPECT_STREQ(InTemp("4ae16784.TMP"), path.GetPath());

    path = InTemp("F.TMP");
    EXPECT_FALSE(path.MakeUniqueFileTitle(TRUE, 0));
    EXPECT_STREQ(InTemp("F.TMP"), path.GetPath());
}

TEST_F(FilePathWin32, MakeUniqueFileTitleFailsWhenTheTitleDoesNotFit)
{
    CFilePath path("C:\\" + CString('d', 250) + "\\F.TMP");
    ASSERT_EQ(CFilePath::MAX_PATH_TEXT, path.GetPath().GetLength());
    EXPECT_FALSE(path.MakeUniqueFileTitle(TRUE, 1000));
    EXPECT_STREQ("", path.GetPath());
}

TEST_F(FilePathWin32, CreateDirectoriesMakesEveryLevel)
{
    const CFilePath path(InTemp("A\\B\\C\\"));
    EXPECT_FALSE(path.CreateDirectories(FALSE));
    EXPECT_FALSE(IsDirectory(InTemp("A")));

    EXPECT_TRUE(path.CreateDirectories(TRUE));
    EXPECT_TRUE(IsDirectory(InTemp("A\\B\\C")));
    EXPECT_TRUE(path.CreateDirectories(TRUE));
    EXPECT_TRUE(path.CreateDirectories(FALSE));
}

TEST_F(FilePathWin32, CreateDirectoriesFailsWhereAFileIsInTheWay)
{
    MakeFile("F.TXT");
    EXPECT_FALSE(CFilePath(InTemp("F.TXT\\SUB\\")).CreateDirectories(TRUE));
    // Named without its final backslash, the file is still no directory.
    EXPECT_FALSE(CFilePath(InTemp("F.TXT")).CreateDirectories(TRUE));
    EXPECT_FALSE(IsDirectory(InTemp("F.TXT")));
}

struct ThrowCase
{
    const char* pszName;
    BOOL bRecursive;
    int nErrno;  // of the last directory the run-time library was asked to make
};

TEST_F(FilePathWin32, CreateDirectoriesOrThrowRaisesAFileException)
{
    MakeFile("F.TXT");
    EXPECT_NO_THROW(CFilePath(InTemp("D\\E\\")).CreateDirectoriesOrThrow(TRUE));

    const ThrowCase aCases[] = {
        {"X\\Y\\", FALSE, ENOENT},
        {"F.TXT\\SUB\\", TRUE, EEXIST},  // the file where a directory should be
    };
    for (const ThrowCase& throwCase : aCases)
    {
        SCOPED_TRACE(throwCase.pszName);
        bool bThrown = false;
        try
        {
            CFilePath(InTemp(throwCase.pszName)).CreateDirectoriesOrThrow(throwCase.bRecursive);
        }
        catch (CException* pException)
        {
            CExceptionGuard guard(pException);
            bThrown = true;
            ASSERT_TRUE(pException->IsKindOf(RUNTIME_CLASS(CFileException)));
            const CFileException* pFileException = static_cast<CFileException*>(pException);
            EXPECT_EQ(throwCase.nErrno, pFileException->m_lOsError);
            EXPECT_EQ(CFileException::ErrnoToException(throwCase.nErrno), pFileException->m_cause);
            EXPECT_STREQ("", pFileException->m_strFileName);
        }
        EXPECT_TRUE(bThrown);
    }
}

TEST_F(FilePathWin32, ChangeToAndRemoveTheDirectoryOfAPath)
{
    ASSERT_TRUE(CreateDirectoryA(InTemp("D"), nullptr));
    MakeFile("D\\F.TXT");
    const CFilePath path(InTemp("D\\F.TXT"));

    EXPECT_TRUE(path.ChangeToDirectory());
    EXPECT_STREQ(InTemp("D"), GetCurrentDirectoryText());
    EXPECT_FALSE(CFilePath("D\\F.TXT").ChangeToDirectory());

    ASSERT_TRUE(SetCurrentDirectoryA(m_strTemp));
    EXPECT_FALSE(path.RemoveDirectory());
    ASSERT_TRUE(DeleteFileA(InTemp("D\\F.TXT")));
    EXPECT_TRUE(path.RemoveDirectory());
    EXPECT_FALSE(IsDirectory(InTemp("D")));

    // Without a drive letter there is no directory to name.
    ASSERT_TRUE(CreateDirectoryA(InTemp("D"), nullptr));
    EXPECT_FALSE(CFilePath("D\\").RemoveDirectory());
    EXPECT_TRUE(IsDirectory(InTemp("D")));
}

TEST_F(FilePathWin32, DriveTypeOfThePathsDrive)
{
    EXPECT_EQ(static_cast<UINT>(DRIVE_FIXED), CFilePath("C:\\WINDOWS\\").GetDriveType());
    EXPECT_FALSE(CFilePath("C:\\WINDOWS\\").IsOnRemovableDrive());
    EXPECT_EQ(static_cast<UINT>(DRIVE_NO_ROOT_DIR), CFilePath("\\WINDOWS\\").GetDriveType());
}

}
