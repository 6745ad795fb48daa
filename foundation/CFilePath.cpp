#include "CFilePath.h"

#include <algorithm>

namespace
{
bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

// A non-empty directory gets a final backslash unless it already ends with a
// separator; an empty one stays empty, so a relative path stays relative.
void EnsureDirectorySeparator(CString& strDirectory)
{
    if (!strDirectory.IsEmpty() && !EndsWithChar(strDirectory, '/'))
        EnsureTrailingBackslash(strDirectory);
}

// Cuts a component to the limit (never inside a double-byte character);
// FALSE when it had to.
BOOL FitComponent(CString& strComponent, PFNISLEADBYTE pfnIsLeadByte)
{
    if (strComponent.GetLength() <= CFilePath::MAX_COMPONENT)
        return TRUE;
    TruncateText(strComponent, GetCharBoundary(strComponent, CFilePath::MAX_COMPONENT, pfnIsLeadByte));
    return FALSE;
}
}

CFilePath::CFilePath(LPCTSTR pszPath) : m_strPath(pszPath) {}

CFilePath& CFilePath::operator=(LPCTSTR pszPath)
{
    m_strPath = pszPath;
    return *this;
}

BOOL CFilePath::Split(CString* pDrive, CString* pDirectory, CString* pFileTitle, CString* pExtension,
                      PFNISLEADBYTE pfnIsLeadByte) const
{
    const int nLength = m_strPath.GetLength();
    const int nDirectoryStart = (nLength >= 2 && m_strPath[1] == ':') ? 2 : 0;

    // One pass, a character at a time: the last separator, and the last dot
    // after it.
    int nFileStart = nDirectoryStart;
    int nDot = -1;
    for (int i = nDirectoryStart; i < nLength; i = NextCharIndex(m_strPath, i, pfnIsLeadByte))
    {
        if (IsSeparator(m_strPath[i]))
        {
            nFileStart = i + 1;
            nDot = -1;
        }
        else if (m_strPath[i] == '.')
        {
            nDot = i;
        }
    }
    const int nTitleEnd = nDot >= 0 ? nDot : nLength;

    CString strDrive = m_strPath.Left(nDirectoryStart);
    CString strDirectory = m_strPath.Mid(nDirectoryStart, nFileStart - nDirectoryStart);
    CString strFileTitle = m_strPath.Mid(nFileStart, nTitleEnd - nFileStart);
    CString strExtension = m_strPath.Mid(nTitleEnd);
    StripTrailingChar(strDrive, ':');
    StripTrailingBackslash(strDirectory);
    StripLeadingChar(strExtension, '.');

    BOOL bWhole = FitComponent(strDirectory, pfnIsLeadByte);
    bWhole = FitComponent(strFileTitle, pfnIsLeadByte) && bWhole;
    bWhole = FitComponent(strExtension, pfnIsLeadByte) && bWhole;

    if (pDrive != nullptr)
        *pDrive = strDrive;
    if (pDirectory != nullptr)
        *pDirectory = strDirectory;
    if (pFileTitle != nullptr)
        *pFileTitle = strFileTitle;
    if (pExtension != nullptr)
        *pExtension = strExtension;
    return bWhole;
}

BOOL CFilePath::Make(LPCTSTR pszDrive, LPCTSTR pszDirectory, LPCTSTR pszFileTitle, LPCTSTR pszExtension)
{
    CString strDrive(pszDrive);
    CString strDirectory(pszDirectory);
    CString strExtension(pszExtension);

    CString strPath;
    if (!strDrive.IsEmpty())
    {
        strPath += strDrive[0];
        strPath += ':';
    }
    EnsureDirectorySeparator(strDirectory);
    strPath += strDirectory;
    strPath += pszFileTitle;
    if (!strExtension.IsEmpty())
    {
        if (strExtension[0] != '.')
            strPath += '.';
        strPath += strExtension;
    }

    if (strPath.GetLength() > MAX_PATH_TEXT)
    {
        Clear();
        return FALSE;
    }
    m_strPath = strPath;
    return TRUE;
}

template <class TChange>
void CFilePath::Edit(TChange fnChange)
{
    CString strDrive, strDirectory, strFileTitle, strExtension;
    if (!Split(&strDrive, &strDirectory, &strFileTitle, &strExtension))
    {
        Clear();
        return;
    }
    fnChange(strDrive, strDirectory, strFileTitle, strExtension);
    Make(strDrive, strDirectory, strFileTitle, strExtension);
}

void CFilePath::GetDrive(CString& strDrive) const
{
    if (!Split(&strDrive, nullptr, nullptr, nullptr))
        strDrive.Empty();
}

void CFilePath::GetDirectory(CString& strDirectory) const
{
    if (!Split(nullptr, &strDirectory, nullptr, nullptr))
        strDirectory.Empty();
}

void CFilePath::GetDriveAndDirectory(CString& strDriveAndDirectory) const
{
    CString strDrive, strDirectory;
    if (!Split(&strDrive, &strDirectory, nullptr, nullptr) || strDrive.IsEmpty())
    {
        strDriveAndDirectory.Empty();
        return;
    }
    strDriveAndDirectory = strDrive + ':' + strDirectory;
}

void CFilePath::GetFileName(CString& strFileName) const
{
    CString strFileTitle, strExtension;
    if (!Split(nullptr, nullptr, &strFileTitle, &strExtension))
    {
        strFileName.Empty();
        return;
    }
    strFileName = strFileTitle;
    if (!strExtension.IsEmpty())
        strFileName += '.' + strExtension;
}

void CFilePath::GetFileTitle(CString& strFileTitle) const
{
    if (!Split(nullptr, nullptr, &strFileTitle, nullptr))
        strFileTitle.Empty();
}

void CFilePath::SetDrive(LPCTSTR pszDrive)
{
    Edit([&](CString& strDrive, CString&, CString&, CString&) { strDrive = pszDrive; });
}

void CFilePath::SetDirectory(LPCTSTR pszDirectory)
{
    CString strNewDirectory(pszDirectory);
    EnsureLeadingBackslash(strNewDirectory);
    EnsureTrailingBackslash(strNewDirectory);
    Edit([&](CString&, CString& strDirectory, CString&, CString&) { strDirectory = strNewDirectory; });
}

void CFilePath::SetFullDirectory(LPCTSTR pszDirectory)
{
    CFilePath pathDirectory(pszDirectory);
    EnsureTrailingBackslash(pathDirectory.m_strPath);
    CString strNewDrive, strNewDirectory;
    if (!pathDirectory.Split(&strNewDrive, &strNewDirectory, nullptr, nullptr))
    {
        Clear();
        return;
    }
    Edit([&](CString& strDrive, CString& strDirectory, CString&, CString&) {
        strDrive = strNewDrive;
        strDirectory = strNewDirectory;
    });
}

void CFilePath::SetFileTitle(LPCTSTR pszFileTitle)
{
    Edit([&](CString&, CString&, CString& strFileTitle, CString&) { strFileTitle = pszFileTitle; });
}

void CFilePath::SetExtension(LPCTSTR pszExtension)
{
    Edit([&](CString&, CString&, CString&, CString& strExtension) { strExtension = pszExtension; });
}

void CFilePath::SetFileName(LPCTSTR pszFileName)
{
    Edit([&](CString&, CString&, CString& strFileTitle, CString& strExtension) {
        strFileTitle = pszFileName;
        strExtension.Empty();
    });
}

void CFilePath::AppendDirectory(LPCTSTR pszDirectory)
{
    CString strAppended(pszDirectory);
    if (strAppended.IsEmpty())
        return;
    StripLeadingBackslash(strAppended);
    EnsureTrailingBackslash(strAppended);
    Edit([&](CString&, CString& strDirectory, CString&, CString&) {
        EnsureDirectorySeparator(strDirectory);
        strDirectory += strAppended;
    });
}

void CFilePath::RemoveLastDirectory(CString* pName)
{
    CString strDirectory;
    if (!Split(nullptr, &strDirectory, nullptr, nullptr))
    {
        Clear();
        return;
    }
    if (strDirectory.IsEmpty())
        return;
    // For the root "\" the name is "\" itself and the directory stays the root.
    const int nSeparator = std::max(strDirectory.ReverseFind('\\'), 0);
    CString strName = strDirectory.Mid(nSeparator);
    StripLeadingBackslash(strName);
    if (pName != nullptr)
        *pName = strName;
    SetDirectory(strDirectory.Left(nSeparator));
}

void CFilePath::SetRootDirectory()
{
    SetDirectory("");
    SetFileName("");
}
