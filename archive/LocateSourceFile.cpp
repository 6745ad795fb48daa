#include "LocateSourceFile.h"

#include "CFilePath.h"
#include "CInsertDiskDialog.h"
#include "CSetupApp.h"

#include <cstdlib>

BOOL RenumberDisketteDirectory(CString& strDirectory, int nDiskette)
{
    const int nLength = strDirectory.GetLength();
    if (nLength <= 2 || std::atoi(strDirectory.Right(2)) == 0)
        return FALSE;
    CString strNumber;
    strNumber.Format("%02d", nDiskette);
    strDirectory = strDirectory.Left(nLength - 2) + strNumber;
    return TRUE;
}

BOOL LocateSourceFile(LPCTSTR lpszFileName, int nDiskette)
{
    CSetupApp* pApp = GetSetupApp();
    CFilePath expected(*pApp->m_pSourceDir);
    expected.SetFileName(lpszFileName);
    if (expected.Exists())
        return TRUE;

    CString strDirectory;
    expected.GetDirectory(strDirectory);
    if (RenumberDisketteDirectory(strDirectory, nDiskette)) {
        CFilePath renumbered(expected);
        renumbered.SetDirectory(strDirectory);
        if (renumbered.Exists()) {
            // The directory itself rather than GetDriveAndDirectory, which is
            // empty for a source without a drive letter (\\server\share).
            renumbered.SetFileName("");
            pApp->SetSourceDirectory(renumbered.GetPath());
            return TRUE;
        }
    }

    CInsertDiskDialog dialog(nullptr, expected, nDiskette);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    pApp->SetSourceDirectory(dialog.m_strDirectory);
    return TRUE;
}
