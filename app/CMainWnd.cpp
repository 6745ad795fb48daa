#include "CMainWnd.h"

#include "CDC.h"
#include "CLogPalette.h"
#include "CSetupApp.h"
#include "CXFont.h"
#include "resource.h"

namespace {
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// A colour component between from and to at step i of n (truncating).
BYTE Between(int nFrom, int nTo, int i, int n)
{
    return static_cast<BYTE>(nFrom + i * (nTo - nFrom) / n);
}
}

IMPLEMENT_DYNAMIC(CMainWnd, CFrameWnd)

BOOL CMainWnd::CreateBackground()
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                            nullptr, ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_SETUP)));
    CSetupApp* pApp = GetSetupApp();
    if (!Create(lpszClass, pApp->m_strSetupTitle, WS_MAXIMIZE | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX))
        return FALSE;
    // The system gives every overlapped window a caption; the background has none.
    const LONG nStyle = ::GetWindowLongA(m_hWnd, GWL_STYLE);
    ::SetWindowLongA(m_hWnd, GWL_STYLE, nStyle & ~static_cast<LONG>(WS_DLGFRAME));
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    ShowWindow(pApp->m_bUnattended ? SW_SHOWMINIMIZED : SW_SHOWMAXIMIZED);
    return TRUE;
}

void CMainWnd::RealizeOwnPalette()
{
    CClientDC dc(this);
    dc.SelectPalette(m_pPalette, FALSE);
    if (dc.RealizePalette() != 0)
        Invalidate(TRUE);
}

void CMainWnd::CreateGradientPalette(CDC* pDC, CPalette* pPalette, const RECT&, COLORREF crFrom, COLORREF crTo)
{
    const int nSystemSize = (pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0 ? pDC->GetDeviceCaps(SIZEPALETTE) : 0;
    HPALETTE hStart = pDC->SelectPalette(static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), FALSE);
    pDC->SelectPalette(hStart, FALSE);

    CLogPalette logPalette;
    logPalette.CopyCurrent(pDC);
    const int nDefault = logPalette.m_pLogPalette->palNumEntries;
    const int nCount = nSystemSize - nDefault > 0 ? nSystemSize - nDefault : 0;
    if (nCount > 0) {
        logPalette.Resize(nSystemSize);
        for (int i = 0; i < nCount; ++i)
            logPalette.SetEntry(nDefault + i, Between(GetRValue(crFrom), GetRValue(crTo), i, nCount),
                                Between(GetGValue(crFrom), GetGValue(crTo), i, nCount),
                                Between(GetBValue(crFrom), GetBValue(crTo), i, nCount), 0);
        pPalette->CreatePalette(logPalette.m_pLogPalette);
    }
    pDC->SelectPalette(hStart, FALSE);
}

void CMainWnd::FillGradient(CDC* pDC, const RECT& rcUpdate, const RECT& rcClient, BOOL bPaletteRelative,
                            COLORREF crFrom, COLORREF crTo)
{
    const int nHeight = rcClient.bottom - rcClient.top;
    for (int y = 0; y < nHeight; ++y) {
        const BYTE nRed = Between(GetRValue(crFrom), GetRValue(crTo), y, nHeight);
        const BYTE nGreen = Between(GetGValue(crFrom), GetGValue(crTo), y, nHeight);
        const BYTE nBlue = Between(GetBValue(crFrom), GetBValue(crTo), y, nHeight);
        const COLORREF crBand = bPaletteRelative ? PALETTERGB(nRed, nGreen, nBlue) : RGB(nRed, nGreen, nBlue);
        const RECT rcBand = {rcUpdate.left, y, rcUpdate.right, y + 1};
        CBrush brush(crBand);
        pDC->FillRect(&rcBand, brush);
    }
}

void CMainWnd::DrawTitle(CDC* pDC, const RECT&, LPCTSTR lpszText, LPCTSTR lpszFaceName, int nPoints, BOOL bBold,
                         BOOL bItalic, BOOL bShadow)
{
    CXFont font;
    font.CreateFontByPoints(pDC, lpszFaceName, nPoints, bBold, static_cast<BYTE>(bItalic));
    const int x = ::GetSystemMetrics(SM_CXHTHUMB);
    const int y = ::GetSystemMetrics(SM_CYVTHUMB);
    const int dx = 2 * ::GetSystemMetrics(SM_CXDLGFRAME);
    const int dy = 2 * ::GetSystemMetrics(SM_CYDLGFRAME);
    const int nLength = lstrlenA(lpszText);

    HGDIOBJ hOldFont = pDC->SelectObject(font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOldText = pDC->SetTextColor(kBlack);
    if (bShadow)
        pDC->TextOut(x + dx, y + dy, lpszText, nLength);
    pDC->SetTextColor(RGB(255, 255, 255));
    pDC->TextOut(x, y, lpszText, nLength);
    pDC->SetBkMode(nOldMode);
    if (hOldFont != nullptr)
        pDC->SelectObject(hOldFont);
    pDC->SetTextColor(crOldText);
}

LRESULT CMainWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_CREATE:
        return OnCreate(nMsg, wParam, lParam);
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_DESTROY:
        delete m_pPalette;
        m_pPalette = nullptr;
        break;
    case WM_ACTIVATEAPP:
        m_bAppActive = static_cast<BOOL>(wParam);
        break;
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != m_hWnd)
            RealizeOwnPalette();
        break;
    case WM_QUERYNEWPALETTE:
        RealizeOwnPalette();
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    }
    return CFrameWnd::WindowProc(nMsg, wParam, lParam);
}

LRESULT CMainWnd::OnCreate(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (CFrameWnd::WindowProc(nMsg, wParam, lParam) == -1)
        return -1;
    m_pPalette = new CPalette;
    RECT rcClient;
    GetClientRect(&rcClient);
    CClientDC dc(this);
    CreateGradientPalette(&dc, m_pPalette, rcClient, kBlue, kBlack);
    return 0;
}

void CMainWnd::OnPaint()
{
    CPaintDC dc(this);
    HPALETTE hOldPalette = dc.SelectPalette(m_pPalette, FALSE);
    dc.RealizePalette();
    RECT rcClient;
    GetClientRect(&rcClient);
    FillGradient(&dc, dc.m_ps.rcPaint, rcClient, m_bAppActive, kBlue, kBlack);
    DrawTitle(&dc, rcClient, GetSetupApp()->m_strSetupTitle, "Times New Roman", 28, TRUE, TRUE, TRUE);
    if (hOldPalette != nullptr)
        dc.SelectPalette(hOldPalette, FALSE);
}

// Closing does not end the installer: on Yes the run is only marked as
// failed, and the work that watches the flag ends it on the Not-installed page.
void CMainWnd::OnClose()
{
    CString strQuestion;
    strQuestion.LoadString(IDS_CONFIRM_CANCEL);
    if (MessageBox(strQuestion, nullptr, MB_YESNO | MB_ICONQUESTION) == IDYES)
        GetSetupApp()->m_bSuccess = FALSE;
}
