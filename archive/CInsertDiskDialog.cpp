#include "CInsertDiskDialog.h"

#include "CDisketteArray.h"
#include "CFolderDialog.h"
#include "CSetupApp.h"
#include "resource.h"

namespace {
const char kInsertLabelled[] = "Please insert the diskette labelled '%s' in drive %s:";
const char kInsertNumbered[] = "Please insert diskette %d in drive %s:";
}

IMPLEMENT_DYNAMIC(CInsertDiskDialog, CDialog)

CInsertDiskDialog::CInsertDiskDialog(CWnd* pParentWnd, const CFilePath& pathExpected, int nDiskNumber)
    : CDialog(IDD_INSERT_DISK, pParentWnd), m_nDiskNumber(nDiskNumber), m_pathExpected(pathExpected)
{
}

BOOL CInsertDiskDialog::OnInitDialog()
{
    // The label is only shown: the volume label of the inserted diskette is
    // never read.
    CSetupApp* pApp = GetSetupApp();
    const CString strLabel = pApp->m_pDiskettes->GetLabel(m_nDiskNumber);
    CString strDrive;
    pApp->m_pSourceDir->GetDrive(strDrive);
    CString strRequest;
    if (!strLabel.IsEmpty())
        FormatText(strRequest, kInsertLabelled, static_cast<LPCTSTR>(strLabel), static_cast<LPCTSTR>(strDrive));
    else
        FormatText(strRequest, kInsertNumbered, m_nDiskNumber, static_cast<LPCTSTR>(strDrive));
    SetDlgItemText(IDC_DISK_REQUEST, strRequest);

    CString strExplanation;
    FormatResourceText(strExplanation, IDS_DISK_NOT_FOUND, static_cast<LPCTSTR>(m_pathExpected.GetPath()));
    SetDlgItemText(IDC_DISK_EXPLANATION, strExplanation);

    m_pathExpected.GetDriveAndDirectory(m_strDirectory);
    return CDialog::OnInitDialog();
}

void CInsertDiskDialog::OnOK()
{
    UpdateData(TRUE);
    CString strFileName;
    m_pathExpected.GetFileName(strFileName);
    // An empty text names no directory (it would mean the root of whatever
    // drive is current).
    CFilePath candidate;
    candidate.SetFullDirectory(m_strDirectory);
    candidate.SetFileName(strFileName);
    if (!m_strDirectory.IsEmpty() && candidate.Exists()) {
        EndDialog(IDOK);
        return;
    }
    ::FlashWindow(m_hWnd, TRUE);
    ::FlashWindow(m_hWnd, FALSE);
    ::MessageBeep(MB_ICONASTERISK);
}

BOOL CInsertDiskDialog::OnCommand(UINT nId)
{
    switch (nId) {
    case IDC_DISK_BROWSE:
        OnBrowse();
        return TRUE;
    }
    return CDialog::OnCommand(nId);
}

void CInsertDiskDialog::OnBrowse()
{
    UpdateData(TRUE);
    CFolderDialog dialog(nullptr);
    dialog.ChooseFolder(m_strDirectory, FALSE);
    UpdateData(FALSE);
}

void CInsertDiskDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_DISK_DIRECTORY, m_strDirectory);
}
