#include "CFrameWnd.h"

#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, HWND hWndParent,
                       DWORD dwExStyle)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, hWndParent, 0);
}

LRESULT CFrameWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_NCDESTROY: {
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this) {
            pApp->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        break;
    }
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
