#include "CWizardPage.h"

#include "CDC.h"
#include "CMainWnd.h"
#include "CMapWordToPtr.h"
#include "CSetupApp.h"
#include "CWizardButtonBar.h"
#include "ErrorReport.h"
#include "resource.h"

namespace {
// Every page object of the process, by page number.
CMapWordToPtr g_pageRegistry;
}

CWizardPage* g_pCurrentPage = nullptr;

CWizardPage::CWizardPage(int nPageId, int nNextPage)
    : CDialog(static_cast<UINT>(nPageId)),
      m_nPageId(nPageId),
      m_nNextPage(nNextPage),
      m_nButtonBarId(IDD_BUTTON_BAR)
{
    g_pageRegistry.SetAt(static_cast<WORD>(nPageId), this);
}

CWizardPage::~CWizardPage()
{
    // While the object is whole, so the page's own handlers see the end.
    DestroyWindow();
    if (g_pCurrentPage == this)
        g_pCurrentPage = nullptr;
}

void CWizardPage::PlacePage()
{
    CenterWindow();
}

int CWizardPage::DoWork()
{
    return 0;
}

BOOL CWizardPage::ConfirmCancel()
{
    CString strQuestion;
    strQuestion.LoadString(IDS_CONFIRM_CANCEL);
    return MessageBox(strQuestion, nullptr, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

BOOL CWizardPage::IsShown()
{
    return TRUE;
}

BOOL CWizardPage::CreatePage()
{
    return Create(static_cast<UINT>(m_nPageId));
}

void CWizardPage::FailInstall()
{
    m_nNextPage = kNotInstalledPage;
    GetSetupApp()->m_bSuccess = FALSE;
}

void CWizardPage::PostNcDestroy()
{
}

// The bar is a child dialog made before the page is laid out: its own
// initialisation grows the page to hold it.
void CWizardPage::CreateButtonBar()
{
    if (m_nButtonBarId == 0)
        return;
    m_pButtonBar = new CWizardButtonBar;
    if (!m_pButtonBar->Create(IDD_BUTTON_BAR, this)) {
        delete m_pButtonBar;
        m_pButtonBar = nullptr;
        AfxThrowResourceException();
    }
}

BOOL CWizardPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    PlacePage();
    if (GetSetupApp()->m_bUnattended)
        MoveWindow(0, 0, 0, 0, TRUE);
    ShowWindow(SW_SHOW);
    PostMessage(WM_DOWORK);
    return TRUE;
}

LRESULT CWizardPage::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_INITDIALOG:
        CreateButtonBar();
        break;
    case WM_DOWORK:
        OnDoWork();
        return 0;
    case WM_ACTIVATEAPP:
        OnActivateApp();
        break;
    case WM_NCDESTROY:
        // The bar deletes itself with its window.
        m_pButtonBar = nullptr;
        break;
    }
    return CDialog::WindowProc(nMsg, wParam, lParam);
}

BOOL CWizardPage::OnCommand(UINT nId)
{
    switch (nId) {
    case IDC_BAR_BACK:
        OnBack();
        return TRUE;
    }
    return CDialog::OnCommand(nId);
}

void CWizardPage::OnOK()
{
    GoToPage(m_nNextPage, FALSE);
}

void CWizardPage::OnCancel()
{
    if (m_nNextPage == kEndOfWizard) {
        OnOK();
        return;
    }
    if (!ConfirmCancel())
        return;
    FailInstall();
    GoToPage(m_nNextPage, FALSE);
}

void CWizardPage::OnBack()
{
    GoToPage(m_nBackPage, TRUE);
}

void CWizardPage::OnDoWork()
{
    int nResult = kNotInstalledPage;
    try {
        nResult = DoWork();
    } catch (CException* e) {
        CExceptionGuard guard(e);
        ReportSetupError(IDS_MSG_SETUP_CANNOT_CONTINUE, e);
        FailInstall();
    }
    if (nResult != 0)
        GoToPage(nResult, FALSE);
    else if (GetSetupApp()->m_bUnattended)
        OnOK();
}

// Another application may have changed the system palette: take the
// background's palette back and let the background repaint with it.
void CWizardPage::OnActivateApp()
{
    CMainWnd* pMainWnd = static_cast<CMainWnd*>(GetOwner());
    if (pMainWnd == nullptr)
        return;
    CClientDC dc(this);
    dc.SelectPalette(pMainWnd->m_pPalette, FALSE);
    dc.RealizePalette();
    pMainWnd->Invalidate(TRUE);
}

CWizardPage* FindPage(int nPage)
{
    void* pPage = nullptr;
    if (!g_pageRegistry.Lookup(static_cast<WORD>(nPage), pPage))
        return nullptr;
    return static_cast<CWizardPage*>(pPage);
}

void GoToPage(int nPage, BOOL bBackward)
{
    if (nPage == kEndOfWizard) {
        CWnd* pMainWnd = AfxGetApp()->m_pMainWnd;
        if (pMainWnd != nullptr)
            pMainWnd->DestroyWindow();
        return;
    }
    CWizardPage* pPrevious = g_pCurrentPage;
    const int nPreviousId = pPrevious != nullptr ? pPrevious->m_nPageId : 0;

    CWizardPage* pPage = nullptr;
    for (;;) {
        pPage = FindPage(nPage);
        if (pPage == nullptr)
            pPage = CreatePageById(nPage);
        // Not a page of the table: navigation stops here.
        if (pPage == nullptr)
            return;
        if (pPage->IsShown())
            break;
        nPage = bBackward ? pPage->m_nBackPage : pPage->m_nNextPage;
    }
    if (!bBackward && pPage->m_nBackPage == 0)
        pPage->m_nBackPage = nPreviousId;
    g_pCurrentPage = pPage;

    if (pPage->m_hWnd != nullptr) {
        pPage->ShowWindow(SW_SHOW);
    } else {
        if (!pPage->CreatePage())
            AfxThrowResourceException();
        pPage->UpdateWindow();
    }
    if (pPrevious != nullptr && pPrevious != pPage) {
        pPrevious->m_bHasBeenLeft = TRUE;
        pPrevious->ShowWindow(SW_HIDE);
    }
}

void DestroyAllPages()
{
    POSITION pos = g_pageRegistry.GetStartPosition();
    while (pos != nullptr) {
        WORD nPage = 0;
        void* pPage = nullptr;
        g_pageRegistry.GetNextAssoc(pos, nPage, pPage);
        delete static_cast<CWizardPage*>(pPage);
    }
    g_pageRegistry.RemoveAll();
    g_pCurrentPage = nullptr;
}
