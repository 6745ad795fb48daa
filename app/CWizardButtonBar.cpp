#include "CWizardButtonBar.h"

#include "CWizardPage.h"
#include "resource.h"

CWizardButtonBar::CWizardButtonBar() : CDialog(IDD_BUTTON_BAR) {}

CWizardPage* CWizardButtonBar::GetPage() const
{
    return static_cast<CWizardPage*>(GetParent());
}

void CWizardButtonBar::EnableBack(BOOL bEnable)
{
    ::EnableWindow(GetDlgItem(IDC_BAR_BACK), bEnable);
}

void CWizardButtonBar::EnableNext(BOOL bEnable)
{
    ::EnableWindow(GetDlgItem(IDC_BAR_NEXT), bEnable);
}

BOOL CWizardButtonBar::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWizardPage* pPage = GetPage();
    RECT rcBar;
    RECT rcPage;
    RECT rcPageClient;
    GetWindowRect(&rcBar);
    pPage->GetWindowRect(&rcPage);
    pPage->GetClientRect(&rcPageClient);

    const int nBarWidth = rcBar.right - rcBar.left;
    const int nPageWidth = rcPage.right - rcPage.left;
    const int nWidth = nPageWidth > nBarWidth ? nPageWidth : nBarWidth;
    const int nHeight = rcBar.bottom - rcBar.top;
    MoveWindow((rcPageClient.right - rcPageClient.left - nBarWidth) / 2, rcPageClient.bottom, nWidth, nHeight,
               FALSE);
    // The page grows downward by the bar, and widens when the bar is wider.
    POINT ptPage = {rcPage.left, rcPage.top};
    HWND hWndPageParent = ::GetParent(pPage->m_hWnd);
    if (hWndPageParent != nullptr && (::GetWindowLongA(pPage->m_hWnd, GWL_STYLE) & WS_CHILD) != 0)
        ::ScreenToClient(hWndPageParent, &ptPage);
    pPage->MoveWindow(ptPage.x, ptPage.y, nWidth, rcPage.bottom - rcPage.top + nHeight, FALSE);

    EnableBack(pPage->m_nBackPage != 0);
    EnableNext(pPage->m_nNextPage != 0);
    return TRUE;
}

BOOL CWizardButtonBar::OnCommand(UINT nId)
{
    switch (nId) {
    case IDC_BAR_BACK:
        GetPage()->OnBack();
        return TRUE;
    case IDC_BAR_NEXT:
        GetPage()->OnOK();
        return TRUE;
    }
    return CDialog::OnCommand(nId);
}

void CWizardButtonBar::OnCancel()
{
    GetPage()->OnCancel();
}

void CWizardButtonBar::PostNcDestroy()
{
    delete this;
}
