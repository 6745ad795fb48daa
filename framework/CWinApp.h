// The application object: one per process, reached through AfxGetApp().
// WinMain (WinMain.cpp) drives it: InitInstance, then the message loop in Run,
// then ExitInstance, whose result is the process exit code.
#pragma once

#include "CObject.h"
#include "CException.h"

class CWnd;

class CWinApp : public CObject
{
    DECLARE_DYNAMIC(CWinApp)
public:
    CWinApp();
    ~CWinApp() override;

    // Start-up; FALSE ends the process (ExitInstance still runs).
    virtual BOOL InitInstance();
    // Shutdown; returns the exit code carried by the quit message.
    virtual int ExitInstance();
    // Pumps messages until WM_QUIT, then shuts down.
    virtual int Run();
    // Called for a framework exception that escaped a message handler (or
    // start-up). The caller deletes the exception. Returns the handler's result.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

    // The background and text colours every dialog of the process is painted with.
    void SetDialogBkColor(COLORREF crBack, COLORREF crText);

    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;   // command-line text without the program name
    int m_nCmdShow = SW_SHOWNORMAL;
    COLORREF m_crDialogBack;
    COLORREF m_crDialogText;
    // The window whose destruction ends the message loop (see CFrameWnd).
    CWnd* m_pMainWnd = nullptr;

protected:
    MSG m_msgCur {};
};

// The application object of this process (null before it is constructed).
CWinApp* AfxGetApp();

// The body of WinMain, shared with tests that drive an application object.
int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);
