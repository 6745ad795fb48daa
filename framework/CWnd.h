// CWnd: a C++ object bound to one window handle, and the one way a message
// reaches its handler:
//
//   Win32 -> CWnd::WndProc / CDialog::DlgProc (static)
//         -> CWnd::Dispatch: finds the object, catches what escapes
//         -> virtual WindowProc(nMsg, wParam, lParam): one switch per class,
//            each case calls a handler named after what it does; WM_COMMAND
//            goes on to virtual OnCommand(nId), a switch on the control id;
//            anything not handled goes to the base class, and finally to
//            Default() (DefWindowProc, or the dialog manager for dialogs).
//
// An exception escaping a handler is handed to the application's
// ProcessWndProcException; the message's result is then what that returns.
#pragma once

#include "CObject.h"
#include "CString.h"

class CWnd : public CObject
{
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    // Destroys a window that still exists, so no handle outlives its object.
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object bound to hWnd by this framework, or null for foreign windows.
    static CWnd* FromHandlePermanent(HWND hWnd);

    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT_PTR nIdOrMenu);
    BOOL DestroyWindow();

    CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }
    CWnd* GetOwner() const { return FromHandlePermanent(::GetWindow(m_hWnd, GW_OWNER)); }
    HWND GetDlgItem(int nId) const { return ::GetDlgItem(m_hWnd, nId); }
    void SetDlgItemText(int nId, LPCTSTR lpszText) { ::SetDlgItemTextA(m_hWnd, nId, lpszText); }
    CString GetDlgItemText(int nId) const;
    void SetWindowText(LPCTSTR lpszText) { ::SetWindowTextA(m_hWnd, lpszText); }
    CString GetWindowText() const;

    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
    {
        return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
    }
    void GetWindowRect(RECT* pRect) const { ::GetWindowRect(m_hWnd, pRect); }
    void GetClientRect(RECT* pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void ClientToScreen(POINT* pPoint) const { ::ClientToScreen(m_hWnd, pPoint); }
    void ScreenToClient(POINT* pPoint) const { ::ScreenToClient(m_hWnd, pPoint); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void CenterWindow(HWND hWndAlternateOwner = nullptr);
    BOOL PostMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::PostMessageA(m_hWnd, nMsg, wParam, lParam);
    }
    LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(m_hWnd, nMsg, wParam, lParam);
    }
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    HWND m_hWnd = nullptr;

protected:
    // The per-class switch over the messages the class handles.
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // The commands (menu items, buttons) by id; TRUE when handled.
    virtual BOOL OnCommand(UINT nId);
    // The handling the window would get without this object.
    virtual LRESULT Default(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // After the last message of the window (WM_NCDESTROY); the handle is gone.
    virtual void PostNcDestroy();

    // The window procedure of the classes registered by AfxRegisterWndClass.
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    // Binds the object that is creating a window to the window's first message.
    static CWnd* BindCreatingWindow(HWND hWnd);
    static void SetCreatingWindow(CWnd* pWnd);
    // Calls WindowProc, handing escaping exceptions to the application.
    LRESULT Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam);

    friend LPCTSTR AfxRegisterWndClass(UINT, HCURSOR, HBRUSH, HICON);

private:
    void Attach(HWND hWnd);
    void Detach();
};

// Registers (once) a window class that delivers its messages to CWnd objects
// and returns its name.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);

// Where the program's resources (templates, strings, icons) are.
HINSTANCE AfxGetResourceHandle();

// Lets a modeless dialog see its keyboard messages (Tab, Enter, Escape)
// before they are dispatched; TRUE when the message was used up.
BOOL AfxPreTranslateMessage(MSG* pMsg);
