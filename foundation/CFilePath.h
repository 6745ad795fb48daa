// CFilePath: a file or directory path, edited component by component (drive,
// directory, file title, extension) and asked the file-system questions of the
// installer. A directory path ends with a backslash and has an empty file name.
//
// Components, as Split gives them for C:\A\B\SETUP.EXE:
//   drive "C" (the letter, when the second character is a colon)
//   directory "\A\B" (up to the last '\' or '/'; its final backslash dropped
//     unless it is the root "\")
//   file title "SETUP" and extension "EXE" (split at the last dot of the file
//     part; the dot itself belongs to neither)
//
// Limits: a component holds at most MAX_COMPONENT characters and a composed
// path at most MAX_PATH_TEXT, so that every path fits the platform's 260-byte
// buffers. A path beyond them is never turned into another one:
//   - Split cuts a longer component to MAX_COMPONENT and returns FALSE;
//   - the getters then give empty texts;
//   - an edit of such a path, or one whose result would be longer than
//     MAX_PATH_TEXT, leaves the path empty. Acting on the cut parts could make
//     the installer overwrite or delete some other file; an empty path names
//     nothing, so every file-system operation on it fails.
//
// Double-byte characters are honoured: the trail byte of one is never taken
// for a separator or a dot.
#pragma once

#include "CString.h"
#include "Platform.h"
#include "TextOperations.h"

#ifdef _WIN32
// GetFileTitle is a macro there; every user of this class must see the same
// name for the member, whether or not it opens file dialogs.
#include <commdlg.h>
#endif

class CFilePath
{
public:
    enum
    {
        MAX_PATH_TEXT = 259,
        MAX_COMPONENT = 255
    };

    CFilePath() = default;
    CFilePath(LPCTSTR pszPath);  // the text, unchanged
#ifdef _WIN32
    // A special folder, as a directory path:
    //   0 the current directory, 1 the Windows directory, 2 the System
    //   directory, 3 the directory of the running program, 4 the temporary
    //   directory. Any other kind, or an answer that does not fit the
    //   platform's buffer, gives an empty path.
    explicit CFilePath(int nSpecialFolder);
#endif

    const CString& GetPath() const { return m_strPath; }
    CFilePath& operator=(LPCTSTR pszPath);

    // Any output may be null. FALSE when a component had to be cut. The lead
    // bytes are the ANSI code page's unless a test brings a table of its own.
    BOOL Split(CString* pDrive, CString* pDirectory, CString* pFileTitle, CString* pExtension,
               PFNISLEADBYTE pfnIsLeadByte = IsAnsiLeadByte) const;
    // "C", "\A\B", "SETUP", "EXE" give C:\A\B\SETUP.EXE. Null reads as empty.
    // FALSE, and an empty path, when the result would be too long.
    BOOL Make(LPCTSTR pszDrive, LPCTSTR pszDirectory, LPCTSTR pszFileTitle, LPCTSTR pszExtension);

    void GetDrive(CString& strDrive) const;
    void GetDirectory(CString& strDirectory) const;
    // C:\A\B for C:\A\B\F.TXT, C:\ for C:\F.TXT; empty without a drive letter.
    void GetDriveAndDirectory(CString& strDriveAndDirectory) const;
    void GetFileName(CString& strFileName) const;  // title and extension
    void GetFileTitle(CString& strFileTitle) const;

    void SetDrive(LPCTSTR pszDrive);
    // The directory below the drive; it gets a leading and a trailing backslash
    // where it lacks them (so "" is the root).
    void SetDirectory(LPCTSTR pszDirectory);
    // Drive and directory together (C:\WINDOWS); a text without a drive leaves
    // the path without one.
    void SetFullDirectory(LPCTSTR pszDirectory);
    void SetFileTitle(LPCTSTR pszFileTitle);
    void SetExtension(LPCTSTR pszExtension);
    // Title and extension from one name; "" leaves the bare directory path.
    void SetFileName(LPCTSTR pszFileName);
    // C:\A\ and "B" give C:\A\B\; the file name stays. "" changes nothing.
    void AppendDirectory(LPCTSTR pszDirectory);
    // C:\A\B\ becomes C:\A\ and gives "B"; the root C:\ stays and gives "\".
    // A path without a directory stays as it is.
    void RemoveLastDirectory(CString* pName = nullptr);
    void SetRootDirectory();
    void Clear() { m_strPath.Empty(); }

#ifdef _WIN32
    void SetToModulePath();

    BOOL Exists() const;
    BOOL DirectoryExists() const;
    // bForce clears the read-only attribute first.
    BOOL Delete(BOOL bForce) const;
    // Refused when a file of the new path exists. The path itself stays.
    BOOL Rename(LPCTSTR pszNewPath) const;
    // Seconds since 1970 (UTC); 0 when the file's status cannot be read.
    void GetModificationTime(LONGLONG& nTime) const;
    // Gives the file MakeRandomName(8) as its title until one is found that
    // does not exist (or at once, without bMustNotExist). FALSE after
    // nAttempts tries (the path keeps the last title tried), for nAttempts 0
    // (the path unchanged), or when the title does not fit (the path empty).
    BOOL MakeUniqueFileTitle(BOOL bMustNotExist, UINT nAttempts);
    // Makes GetDriveAndDirectory the process's current directory.
    BOOL ChangeToDirectory() const;
    // Removes the directory GetDriveAndDirectory names, when it is empty.
    BOOL RemoveDirectory() const;
    // Makes the directory the path names (with its parents when bRecursive).
    // TRUE when it exists afterwards. May change the current directory.
    BOOL CreateDirectories(BOOL bRecursive) const;
    // CreateDirectories; a failure throws CFileException* built from errno.
    void CreateDirectoriesOrThrow(BOOL bRecursive) const;
    // The type of the drive's root; DRIVE_NO_ROOT_DIR without a drive letter.
    UINT GetDriveType() const;
    BOOL IsOnRemovableDrive() const;
#endif

private:
    // Split, change some components, compose again; a path that Split had to
    // cut is emptied instead.
    template <class TChange>
    void Edit(TChange fnChange);

    CString m_strPath;
};
