// The GUI driver of the tests: finds the windows of a program (by caption,
// class and control id), presses buttons, types into edits, sends keys and
// reads texts, rectangles and enabled states. It works across processes and
// threads alike: everything it does is a window message.
#pragma once

#include "CString.h"

class CGuiDriver
{
public:
    // Only windows of this process are looked at (0: any process).
    explicit CGuiDriver(DWORD dwProcessId = 0) : m_dwProcessId(dwProcessId) {}

    // A visible top-level window with this caption (and class, when given;
    // "Name*" for any class whose name begins with Name)
    // and, when nControlId is not 0, a control of that id whose text is
    // lpszControlText (any text when null); null after dwTimeout ms.
    HWND WaitForWindow(LPCTSTR lpszCaption, LPCTSTR lpszClass = nullptr, int nControlId = 0,
                       LPCTSTR lpszControlText = nullptr, DWORD dwTimeout = 15000) const;
    // The dialog (class #32770) with this caption, as above.
    HWND WaitForDialog(LPCTSTR lpszCaption, int nControlId = 0, LPCTSTR lpszControlText = nullptr,
                       DWORD dwTimeout = 15000) const
    {
        return WaitForWindow(lpszCaption, "#32770", nControlId, lpszControlText, dwTimeout);
    }
    // TRUE once no visible top-level window has this caption and class.
    BOOL WaitForWindowGone(HWND hWnd, DWORD dwTimeout = 15000) const;

    // A control anywhere below hWnd (child dialogs included); null if none.
    static HWND FindControl(HWND hWnd, int nControlId);
    // Presses the button, as a user's click does; returns at once (a
    // question box the click brings up does not block the caller).
    static void Click(HWND hWnd, int nControlId);
    // Presses the button and returns once its window has handled the press;
    // only for buttons that bring up no modal window.
    static void ClickAndWait(HWND hWnd, int nControlId);
    // A key press (WM_KEYDOWN / WM_KEYUP) posted to the window.
    static void PressKey(HWND hWnd, UINT nVirtualKey);
    // Replaces the text of an edit control, as typing would.
    static void TypeText(HWND hWnd, int nControlId, LPCTSTR lpszText);

    static CString GetText(HWND hWnd);
    static CString GetControlText(HWND hWnd, int nControlId);
    static RECT GetWindowRect(HWND hWnd);
    static RECT GetClientRect(HWND hWnd);
    static BOOL IsEnabled(HWND hWnd, int nControlId);
    static BOOL IsVisible(HWND hWnd, int nControlId);

    // Answers a message box (class #32770, caption lpszCaption) with the
    // button nButtonId; FALSE when no box came.
    BOOL AnswerMessageBox(LPCTSTR lpszCaption, int nButtonId, DWORD dwTimeout = 15000) const;

private:
    HWND FindWindowNow(LPCTSTR lpszCaption, LPCTSTR lpszClass, int nControlId, LPCTSTR lpszControlText) const;

    DWORD m_dwProcessId;
};

// A program started for a test, ended (if it still runs) with the object.
class CTestProcess
{
public:
    CTestProcess() = default;
    ~CTestProcess();
    CTestProcess(const CTestProcess&) = delete;
    CTestProcess& operator=(const CTestProcess&) = delete;

    // Starts the program of this name that lies next to the test program.
    BOOL Start(LPCTSTR lpszProgram, LPCTSTR lpszArguments);
    // The exit code, or -1 when it did not end within dwTimeout ms.
    DWORD WaitForExit(DWORD dwTimeout = 30000);

    PROCESS_INFORMATION m_process {};
};
