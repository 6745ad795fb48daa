#include "CErrorDialog.h"

#include "resource.h"

CErrorDialog::CErrorDialog()
    : CExpandingDialog(IDD_ERROR),
      m_hbrBack(::GetSysColor(COLOR_BTNFACE)),
      m_nIconId(static_cast<UINT>(reinterpret_cast<UINT_PTR>(IDI_EXCLAMATION)))
{
    m_font.CreateFontByPoints(nullptr, "Arial", 8);
}

// Only ever from the fields to the controls: the dialog edits nothing.
void CErrorDialog::DoDataExchange(CDataExchange* pDX)
{
    if (pDX->m_bSaveAndValidate)
        return;
    HICON hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(m_nIconId));
    ::SendDlgItemMessageA(m_hWnd, IDC_ERROR_ICON, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0);
    SetDlgItemText(IDC_ERROR_MESSAGE, m_strMessage);
    SetDlgItemText(IDC_ERROR_SHORT, m_strShort);
    SetDlgItemText(IDC_ERROR_LONG, m_strLong);
    SetDlgItemText(IDC_ERROR_INFO, m_strErrorInfo);
}

BOOL CErrorDialog::OnInitDialog()
{
    CExpandingDialog::OnInitDialog();
    if (m_bCanCancel) {
        CString strText;
        strText.LoadString(IDS_CONTINUE_OPERATION);
        SetDlgItemText(IDOK, strText);
        strText.LoadString(IDS_CANCEL_OPERATION);
        SetDlgItemText(IDCANCEL, strText);
    } else {
        ::ShowWindow(GetDlgItem(IDCANCEL), SW_HIDE);
    }
    ::SendDlgItemMessageA(m_hWnd, IDC_ERROR_INFO, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), TRUE);
    ::SendDlgItemMessageA(m_hWnd, IDC_ERROR_LONG, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), TRUE);
    CenterWindow();
    return TRUE;
}

LRESULT CErrorDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        // The read-only long text sits on the button face, like the dialog.
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(IDC_ERROR_LONG)) {
            ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_hbrBack));
        }
        break;
    }
    return CExpandingDialog::WindowProc(nMsg, wParam, lParam);
}
