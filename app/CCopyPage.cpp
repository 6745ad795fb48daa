#include "CCopyPage.h"

#include "CSetupApp.h"
#include "CSourceFile.h"
#include "ErrorReport.h"
#include "resource.h"

CCopyPage::CCopyPage() : CWizardPage(108, 1549), m_gauge(0, 99, 0)
{
    m_nButtonBarId = 0;
}

BOOL CCopyPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    const RECT rcEmpty = {0, 0, 0, 0};
    m_gauge.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rcEmpty, this, IDC_GAUGE);
    return TRUE;
}

void CCopyPage::OnCancel()
{
    m_bCancelRequested = TRUE;
}

void CCopyPage::AddDoneBytes(const CSourceFile& sourceFile)
{
    m_nDoneBytes += static_cast<DWORD>(sourceFile.m_nSize);
}

BOOL CCopyPage::ReportProgress(DWORD dwWritten, DWORD dwSize, LPCTSTR lpszTarget)
{
    PumpWaitingMessages();
    if (m_bCancelRequested) {
        if (ConfirmCancel()) {
            GetSetupApp()->m_bSuccess = FALSE;
            m_nNextPage = kNotInstalledPage;
            return FALSE;
        }
        m_bCancelRequested = FALSE;
    }
    m_gauge.SetPos(m_nDoneBytes + dwWritten, TRUE);

    // In 64 bits: a large file's byte count times 100 would wrap in 32.
    DWORD dwPercent = 100;
    if (dwSize != 0)
        dwPercent = static_cast<DWORD>(static_cast<unsigned long long>(dwWritten) * 100 / dwSize);
    dwPercent = dwPercent > 100 ? 100 : dwPercent;
    CString strText;
    strText.Format("%s (%d%%)", lpszTarget, static_cast<int>(dwPercent));
    SetDlgItemText(IDC_DEST_FILE, strText);
    return TRUE;
}
