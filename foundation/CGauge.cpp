#include "CGauge.h"

CGauge::CGauge(UINT nMin, UINT nMax, UINT nPos) : m_nMin(nMin), m_nMax(nMax), m_nPos(nPos) {}

BOOL CGauge::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nId)
{
    RECT rcGauge = rect;
    HWND hWndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    HWND hWndPlaceholder = hWndParent != nullptr ? ::GetDlgItem(hWndParent, static_cast<int>(nId)) : nullptr;
    if (hWndPlaceholder != nullptr) {
        ::GetClientRect(hWndPlaceholder, &rcGauge);
        ::MapWindowPoints(hWndPlaceholder, hWndParent, reinterpret_cast<POINT*>(&rcGauge), 2);
        ::DestroyWindow(hWndPlaceholder);
    }
    return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW)), "Gauge", dwStyle | WS_CHILD,
                    rcGauge.left, rcGauge.top, rcGauge.right - rcGauge.left, rcGauge.bottom - rcGauge.top,
                    hWndParent, nId);
}

void CGauge::SetPos(UINT nPos, BOOL bRedraw)
{
    nPos = nPos > m_nMax ? m_nMax : nPos;
    nPos = nPos < m_nMin ? m_nMin : nPos;
    m_nPos = nPos;
    if (m_hWnd == nullptr)
        return;
    Invalidate(FALSE);
    if (bRedraw)
        UpdateWindow();
}

void CGauge::SetRange(UINT nMin, UINT nMax)
{
    m_nMin = nMin;
    m_nMax = nMax;
    SetPos(m_nPos, FALSE);
}

void CGauge::Draw(CDC* pDC, const RECT& rcClient) const
{
    if (m_nMin == m_nMax)
        return;
    UINT nMin = m_nMin;
    UINT nMax = m_nMax;
    UINT nPos = m_nPos;
    // Keeps (position - minimum) x 100 within 32 bits.
    if (nMin > 1000000 || nMax > 1000000 || nPos > 1000000) {
        nMin /= 1000;
        nMax /= 1000;
        nPos /= 1000;
    }
    if (nMax == nMin)
        return;
    int nPercent = static_cast<int>((nPos - nMin) * 100 / (nMax - nMin));
    nPercent = nPercent > 0 ? nPercent : 0;

    CString strText;
    strText.Format("%d%%", nPercent);
    const int nWidth = rcClient.right - rcClient.left;
    const int nHeight = rcClient.bottom - rcClient.top;
    const SIZE sizeText = pDC->GetTextExtent(strText, strText.GetLength());
    const int x = nWidth / 2;
    const int y = (nHeight - sizeText.cy) / 2;
    pDC->SetTextAlign(TA_CENTER | TA_TOP);

    const int nFilledEnd = rcClient.left + nWidth * nPercent / 100;
    const RECT rcFilled = {rcClient.left, rcClient.top, nFilledEnd, rcClient.bottom};
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOW));
    pDC->SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
    pDC->ExtTextOut(x, y, ETO_OPAQUE | ETO_CLIPPED, &rcFilled, strText, strText.GetLength());

    const RECT rcRest = {nFilledEnd, rcClient.top, rcClient.right, rcClient.bottom};
    pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHT));
    pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    pDC->ExtTextOut(x, y, ETO_OPAQUE | ETO_CLIPPED, &rcRest, strText, strText.GetLength());
}

LRESULT CGauge::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        RECT rcClient;
        GetClientRect(&rcClient);
        Draw(&dc, rcClient);
        return 0;
    }
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}
