#include "CExpandingDialog.h"

#include "resource.h"

namespace {

struct CChildVisit
{
    RECT rcArea;
    BOOL bEnable;
};

// Enables or disables a child that does not lie wholly inside the area.
BOOL CALLBACK EnableChildOutside(HWND hWndChild, LPARAM lParam)
{
    const CChildVisit* pVisit = reinterpret_cast<const CChildVisit*>(lParam);
    RECT rcChild;
    ::GetWindowRect(hWndChild, &rcChild);
    const POINT ptTopLeft = {rcChild.left, rcChild.top};
    const POINT ptBottomRight = {rcChild.right, rcChild.bottom};
    if (!::PtInRect(&pVisit->rcArea, ptTopLeft) || !::PtInRect(&pVisit->rcArea, ptBottomRight))
        ::EnableWindow(hWndChild, pVisit->bEnable);
    return TRUE;
}

} // namespace

CExpandingDialog::CExpandingDialog(UINT nIdTemplate, CWnd* pParentWnd) : CDialog(nIdTemplate, pParentWnd) {}

BOOL CExpandingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetWindowRect(&m_rcFull);
    m_bExpanded = TRUE;
    Toggle();
    return TRUE;
}

BOOL CExpandingDialog::OnCommand(UINT nId)
{
    switch (nId) {
    case IDC_ERROR_MORE:
        OnMore();
        return TRUE;
    }
    return CDialog::OnCommand(nId);
}

void CExpandingDialog::Toggle()
{
    RECT rcNew;
    CChildVisit visit;
    if (m_bExpanded) {
        RECT rcCorner;
        ::GetWindowRect(GetDlgItem(IDC_ERROR_CORNER), &rcCorner);
        POINT ptCorner = {rcCorner.right, rcCorner.bottom};
        ScreenToClient(&ptCorner);
        rcNew = {0, 0, ptCorner.x, ptCorner.y};
        ::AdjustWindowRectEx(&rcNew, static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
        POINT ptTopLeft = {rcNew.left, rcNew.top};
        POINT ptBottomRight = {rcNew.right, rcNew.bottom};
        ClientToScreen(&ptTopLeft);
        ClientToScreen(&ptBottomRight);
        visit.rcArea = {ptTopLeft.x, ptTopLeft.y, ptBottomRight.x, ptBottomRight.y};
        visit.bEnable = FALSE;
    } else {
        rcNew = m_rcFull;
        GetWindowRect(&visit.rcArea);
        visit.bEnable = TRUE;
    }
    SetWindowPos(nullptr, 0, 0, rcNew.right - rcNew.left, rcNew.bottom - rcNew.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::EnumChildWindows(m_hWnd, EnableChildOutside, reinterpret_cast<LPARAM>(&visit));
    m_bExpanded = !m_bExpanded;
}

void CExpandingDialog::OnMore()
{
    Toggle();
    CString strCaption = GetDlgItemText(IDC_ERROR_MORE);
    const char* lpszFrom = m_bExpanded ? ">>" : "<<";
    const char* lpszTo = m_bExpanded ? "<<" : ">>";
    const int nAt = strCaption.Find(lpszFrom);
    if (nAt < 0)
        return;
    strCaption.SetAt(nAt, lpszTo[0]);
    strCaption.SetAt(nAt + 1, lpszTo[1]);
    SetDlgItemText(IDC_ERROR_MORE, strCaption);
}
