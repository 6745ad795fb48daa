#include "CDialog.h"

#include "CWinApp.h"

namespace {

// Set by Default() while a dialog message is dispatched: the dialog
// procedure then answers FALSE and the dialog manager handles the message.
BOOL* g_pDialogDefault = nullptr;

// The brush of the application's dialog background, remade when the colour changes.
HBRUSH DialogBackBrush(COLORREF crBack)
{
    static HBRUSH s_hbrBack = nullptr;
    static COLORREF s_crBrush = 0;
    if (s_hbrBack == nullptr || s_crBrush != crBack) {
        if (s_hbrBack != nullptr)
            ::DeleteObject(s_hbrBack);
        s_hbrBack = ::CreateSolidBrush(crBack);
        s_crBrush = crBack;
    }
    return s_hbrBack;
}

// Messages whose dialog-procedure result is the answer itself rather than
// a "handled" flag with the answer stored in DWLP_MSGRESULT.
bool AnswersDirectly(UINT nMsg)
{
    switch (nMsg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIdc, CString& strValue)
{
    if (pDX->m_bSaveAndValidate)
        strValue = pDX->m_pDlgWnd->GetDlgItemText(nIdc);
    else
        pDX->m_pDlgWnd->SetDlgItemText(nIdc, strValue);
}

IMPLEMENT_DYNAMIC(CDialog, CWnd)

CDialog::CDialog(UINT nIdTemplate, CWnd* pParentWnd) : m_nIdTemplate(nIdTemplate), m_pParentWnd(pParentWnd) {}

HWND CDialog::OwnerHandle(CWnd* pParentWnd) const
{
    if (pParentWnd != nullptr)
        return pParentWnd->m_hWnd;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->m_pMainWnd != nullptr ? pApp->m_pMainWnd->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal()
{
    m_bModal = TRUE;
    SetCreatingWindow(this);
    const INT_PTR nResult = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIdTemplate),
                                              OwnerHandle(m_pParentWnd), DlgProc, 0);
    SetCreatingWindow(nullptr);
    m_bModal = FALSE;
    return nResult;
}

BOOL CDialog::Create(UINT nIdTemplate, CWnd* pParentWnd)
{
    m_nIdTemplate = nIdTemplate;
    m_pParentWnd = pParentWnd;
    SetCreatingWindow(this);
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIdTemplate),
                                     OwnerHandle(pParentWnd), DlgProc, 0);
    SetCreatingWindow(nullptr);
    return hWnd != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModal)
        ::EndDialog(m_hWnd, nResult);
    else
        DestroyWindow();
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx = {this, bSaveAndValidate};
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: {
        CWinApp* pApp = AfxGetApp();
        if (pApp == nullptr)
            break;
        HDC hDC = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(hDC, pApp->m_crDialogText);
        ::SetBkColor(hDC, pApp->m_crDialogBack);
        return reinterpret_cast<LRESULT>(DialogBackBrush(pApp->m_crDialogBack));
    }
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

BOOL CDialog::OnCommand(UINT nId)
{
    switch (nId) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    }
    return CWnd::OnCommand(nId);
}

LRESULT CDialog::Default(UINT, WPARAM, LPARAM)
{
    if (g_pDialogDefault != nullptr)
        *g_pDialogDefault = TRUE;
    return 0;
}

INT_PTR CALLBACK CDialog::DlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = BindCreatingWindow(hWnd);
    if (pWnd == nullptr)
        return FALSE;
    // Saved and restored: handlers send messages that come back here.
    BOOL bDefault = FALSE;
    BOOL* pOuterDefault = g_pDialogDefault;
    g_pDialogDefault = &bDefault;
    const LRESULT lResult = static_cast<CDialog*>(pWnd)->Dispatch(nMsg, wParam, lParam);
    g_pDialogDefault = pOuterDefault;
    if (bDefault)
        return FALSE;
    if (AnswersDirectly(nMsg))
        return static_cast<INT_PTR>(lResult);
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
}
