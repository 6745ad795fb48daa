#include "CWnd.h"

#include "CWinApp.h"

#include <list>

namespace {
// The window property that leads from a handle to its object.
const char kObjectProperty[] = "VelmoCWnd";
// The object whose window is being created: its first message binds it.
CWnd* g_pCreatingWindow = nullptr;
}

IMPLEMENT_DYNAMIC(CWnd, CObject)

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd != nullptr)
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    return static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty));
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropA(hWnd, kObjectProperty, this);
}

void CWnd::Detach()
{
    ::RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

void CWnd::SetCreatingWindow(CWnd* pWnd)
{
    g_pCreatingWindow = pWnd;
}

CWnd* CWnd::BindCreatingWindow(HWND hWnd)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr && g_pCreatingWindow != nullptr) {
        pWnd = g_pCreatingWindow;
        g_pCreatingWindow = nullptr;
        pWnd->Attach(hWnd);
    }
    return pWnd;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT_PTR nIdOrMenu)
{
    SetCreatingWindow(this);
    HWND hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth,
                                  nHeight, hWndParent, reinterpret_cast<HMENU>(nIdOrMenu),
                                  AfxGetResourceHandle(), nullptr);
    SetCreatingWindow(nullptr);
    return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

CString CWnd::GetWindowText() const
{
    CString strText;
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, strText.GetBuffer(nLength + 1), nLength + 1);
    strText.ReleaseBuffer();
    return strText;
}

CString CWnd::GetDlgItemText(int nId) const
{
    HWND hItem = GetDlgItem(nId);
    CString strText;
    if (hItem == nullptr)
        return strText;
    const int nLength = ::GetWindowTextLengthA(hItem);
    ::GetWindowTextA(hItem, strText.GetBuffer(nLength + 1), nLength + 1);
    strText.ReleaseBuffer();
    return strText;
}

// Centres over the owner (or the given window), kept on the screen.
void CWnd::CenterWindow(HWND hWndAlternateOwner)
{
    HWND hWndCenter = hWndAlternateOwner != nullptr ? hWndAlternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    RECT rcArea;
    if (hWndCenter == nullptr || ::IsIconic(hWndCenter) || !::IsWindowVisible(hWndCenter))
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    else
        ::GetWindowRect(hWndCenter, &rcArea);
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    const int nWidth = rcWindow.right - rcWindow.left;
    const int nHeight = rcWindow.bottom - rcWindow.top;
    int x = (rcArea.left + rcArea.right - nWidth) / 2;
    int y = (rcArea.top + rcArea.bottom - nHeight) / 2;
    RECT rcScreen;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcScreen, 0);
    x = x + nWidth > rcScreen.right ? rcScreen.right - nWidth : x;
    y = y + nHeight > rcScreen.bottom ? rcScreen.bottom - nHeight : y;
    x = x < rcScreen.left ? rcScreen.left : x;
    y = y < rcScreen.top ? rcScreen.top : y;
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without a caption the box takes the title of the application's main window.
int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    CString strCaption(lpszCaption);
    CWinApp* pApp = AfxGetApp();
    if (lpszCaption == nullptr && pApp != nullptr && pApp->m_pMainWnd != nullptr)
        strCaption = pApp->m_pMainWnd->GetWindowText();
    return ::MessageBoxA(m_hWnd, lpszText, strCaption, nType);
}

LRESULT CWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam)))
            return 0;
        break;
    }
    return Default(nMsg, wParam, lParam);
}

BOOL CWnd::OnCommand(UINT)
{
    return FALSE;
}

LRESULT CWnd::Default(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

void CWnd::PostNcDestroy()
{
}

LRESULT CWnd::Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = m_hWnd;
    LRESULT lResult = 0;
    try {
        lResult = WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        CExceptionGuard guard(e);
        const MSG msg = {hWnd, nMsg, wParam, lParam, 0, {0, 0}};
        CWinApp* pApp = AfxGetApp();
        lResult = pApp != nullptr ? pApp->ProcessWndProcException(e, &msg) : 0;
    }
    if (nMsg == WM_NCDESTROY && m_hWnd == hWnd) {
        Detach();
        PostNcDestroy();
    }
    return lResult;
}

LRESULT CALLBACK CWnd::WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = BindCreatingWindow(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return pWnd->Dispatch(nMsg, wParam, lParam);
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // One class per combination; the names live as long as the process.
    static std::list<CString> s_registeredNames;
    CString strName;
    strName.Format("VelmoWnd:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
                   static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    for (const CString& strRegistered : s_registeredNames)
        if (strRegistered == strName)
            return strRegistered;

    WNDCLASSA wc {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = CWnd::WndProc;
    wc.hInstance = AfxGetResourceHandle();
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = strName;
    if (::RegisterClassA(&wc) == 0)
        AfxThrowResourceException();
    s_registeredNames.push_back(strName);
    return s_registeredNames.back();
}

HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || pMsg->hwnd == nullptr)
        return FALSE;
    HWND hWndRoot = ::GetAncestor(pMsg->hwnd, GA_ROOT);
    char szClass[16] = "";
    ::GetClassNameA(hWndRoot, szClass, sizeof szClass);
    // Only the dialogs: "#32770" is the dialog manager's class.
    return lstrcmpA(szClass, "#32770") == 0 && ::IsDialogMessageA(hWndRoot, pMsg);
}
