#include "CFileDialog.h"

#include "CWinApp.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CDialog(0, pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt)
{
    if (lpszFileName != nullptr)
        ::lstrcpynA(m_szFileName, lpszFileName, sizeof m_szFileName);
    if (lpszFilter != nullptr) {
        m_achFilter.assign(lpszFilter, lpszFilter + std::strlen(lpszFilter) + 1);
        for (char& ch : m_achFilter)
            ch = ch == '|' ? '\0' : ch;
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrDefExt = lpszDefExt != nullptr ? static_cast<LPCTSTR>(m_strDefExt) : nullptr;
    m_ofn.lpstrFilter = m_achFilter.empty() ? nullptr : m_achFilter.data();
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = HookProc;
    m_ofn.hInstance = AfxGetResourceHandle();
}

INT_PTR CFileDialog::DoModal()
{
    if (m_pParentWnd != nullptr) {
        m_ofn.hwndOwner = m_pParentWnd->m_hWnd;
    } else {
        CWinApp* pApp = AfxGetApp();
        m_ofn.hwndOwner = pApp != nullptr && pApp->m_pMainWnd != nullptr ? pApp->m_pMainWnd->m_hWnd : nullptr;
    }
    m_bModal = TRUE;
    SetCreatingWindow(this);
    const BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    SetCreatingWindow(nullptr);
    m_bModal = FALSE;
    // The window is gone; a handle kept here could name a later window.
    m_hWnd = nullptr;
    return bResult ? IDOK : IDCANCEL;
}

void CFileDialog::OnOK()
{
    Default(WM_COMMAND, IDOK, 0);
}

void CFileDialog::OnCancel()
{
    Default(WM_COMMAND, IDCANCEL, 0);
}

void CFileDialog::OnLBSelChangedNotify(UINT, UINT, UINT)
{
}

LRESULT CFileDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    static const UINT s_nSelChangedMessage = ::RegisterWindowMessageA(LBSELCHSTRINGA);
    if (nMsg == s_nSelChangedMessage) {
        OnLBSelChangedNotify(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        // A notification only: the dialog goes on as it would without us.
        return Default(nMsg, wParam, lParam);
    }
    return CDialog::WindowProc(nMsg, wParam, lParam);
}

// An old-style hook is a dialog procedure in all but its return type.
UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return static_cast<UINT_PTR>(DlgProc(hWnd, nMsg, wParam, lParam));
}
