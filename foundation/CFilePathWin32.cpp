// The file-system side of CFilePath: special folders and the questions the
// installer asks of files and directories.
#include "CFilePath.h"

#include "CException.h"

#include <cerrno>
#include <direct.h>
#include <sys/stat.h>

namespace
{
// Platform answers are fetched into MAX_PATH (260-byte) buffers. An answer of
// nLength characters is whole only when it left room for its terminator:
// a longer one is refused (empty) rather than taken cut, which would name some
// other directory.
CString FittingAnswer(const char* pszBuffer, DWORD nLength)
{
    if (nLength == 0 || nLength >= MAX_PATH)
        return CString();
    return CString(pszBuffer, static_cast<int>(nLength));
}

CString GetSpecialFolderText(int nSpecialFolder)
{
    char szBuffer[MAX_PATH];
    switch (nSpecialFolder)
    {
    case 0:
        return _getcwd(szBuffer, MAX_PATH) != nullptr ? CString(szBuffer) : CString();
    case 1:
        return FittingAnswer(szBuffer, GetWindowsDirectoryA(szBuffer, MAX_PATH));
    case 2:
        return FittingAnswer(szBuffer, GetSystemDirectoryA(szBuffer, MAX_PATH));
    case 4:
        return FittingAnswer(szBuffer, GetTempPathA(MAX_PATH, szBuffer));
    default:
        return CString();
    }
}

BOOL FindsEntry(LPCTSTR pszPattern)
{
    WIN32_FIND_DATAA findData;
    HANDLE hFind = FindFirstFileA(pszPattern, &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    FindClose(hFind);
    return TRUE;
}
}

CFilePath::CFilePath(int nSpecialFolder)
{
    if (nSpecialFolder == 3)
    {
        SetToModulePath();
        SetFileName("");
        return;
    }
    m_strPath = GetSpecialFolderText(nSpecialFolder);
    if (!m_strPath.IsEmpty())
        EnsureTrailingBackslash(m_strPath);
}

void CFilePath::SetToModulePath()
{
    char szBuffer[MAX_PATH];
    // A path too long for the buffer comes back cut, its length the buffer's.
    m_strPath = FittingAnswer(szBuffer, GetModuleFileNameA(nullptr, szBuffer, MAX_PATH));
}

BOOL CFilePath::Exists() const
{
    return !m_strPath.IsEmpty() && FindsEntry(m_strPath);
}

BOOL CFilePath::DirectoryExists() const
{
    // An empty path names nothing; listing "*.*" would ask about the current
    // directory instead.
    if (m_strPath.IsEmpty())
        return FALSE;
    CFilePath pathPattern(*this);
    pathPattern.SetFileName("*.*");
    return pathPattern.Exists();
}

BOOL CFilePath::Delete(BOOL bForce) const
{
    if (bForce)
    {
        DWORD dwAttributes = GetFileAttributesA(m_strPath);
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0)
            SetFileAttributesA(m_strPath, dwAttributes & ~FILE_ATTRIBUTE_READONLY);
    }
    return DeleteFileA(m_strPath);
}

BOOL CFilePath::Rename(LPCTSTR pszNewPath) const
{
    return MoveFileA(m_strPath, pszNewPath);
}

void CFilePath::GetModificationTime(LONGLONG& nTime) const
{
    struct _stat64 status;
    nTime = _stat64(m_strPath, &status) == 0 ? static_cast<LONGLONG>(status.st_mtime) : 0;
}

BOOL CFilePath::MakeUniqueFileTitle(BOOL bMustNotExist, UINT nAttempts)
{
    for (UINT nAttempt = 0; nAttempt < nAttempts; nAttempt++)
    {
        SetFileTitle(MakeRandomName(8));
        // A title that made the path too long emptied it: nothing to answer for.
        if (m_strPath.IsEmpty())
            return FALSE;
        if (!bMustNotExist || !Exists())
            return TRUE;
    }
    return FALSE;
}

BOOL CFilePath::ChangeToDirectory() const
{
    CString strDirectory;
    GetDriveAndDirectory(strDirectory);
    return !strDirectory.IsEmpty() && SetCurrentDirectoryA(strDirectory);
}

BOOL CFilePath::RemoveDirectory() const
{
    CString strDirectory;
    GetDriveAndDirectory(strDirectory);
    return !strDirectory.IsEmpty() && ::RemoveDirectory(strDirectory);
}

BOOL CFilePath::CreateDirectories(BOOL bRecursive) const
{
    CString strDirectory(m_strPath);
    StripTrailingBackslash(strDirectory);
    if (_mkdir(strDirectory) == 0)
        return TRUE;

    // Already there? Asked of the directory itself, as a directory path: for
    // C:\A\FILE the question is about C:\A\FILE, not C:\A, so that an existing
    // file of that name is not taken for the directory.
    CFilePath pathDirectory(strDirectory);
    EnsureTrailingBackslash(pathDirectory.m_strPath);
    if (pathDirectory.ChangeToDirectory())
        return TRUE;
    if (!bRecursive)
        return FALSE;

    const int nSeparator = strDirectory.ReverseFind('\\');
    if (nSeparator < 0 || !CFilePath(strDirectory.Left(nSeparator)).CreateDirectories(TRUE))
        return FALSE;
    return CreateDirectories(FALSE);
}

void CFilePath::CreateDirectoriesOrThrow(BOOL bRecursive) const
{
    if (!CreateDirectories(bRecursive))
        AfxThrowFileException(CFileException::ErrnoToException(errno), errno);
}

UINT CFilePath::GetDriveType() const
{
    CString strDrive;
    GetDrive(strDrive);
    if (strDrive.IsEmpty())
        return DRIVE_NO_ROOT_DIR;
    return ::GetDriveType(strDrive + ":\\");
}

BOOL CFilePath::IsOnRemovableDrive() const
{
    return GetDriveType() == DRIVE_REMOVABLE;
}
