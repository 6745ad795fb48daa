#include "GuiDriver.h"

#include <cstring>

namespace {

const DWORD kPollInterval = 50;

struct CSearch
{
    DWORD dwProcessId;
    LPCTSTR lpszCaption;
    LPCTSTR lpszClass;
    int nControlId;
    LPCTSTR lpszControlText;
    HWND hFound;
};

BOOL CALLBACK MatchTopLevel(HWND hWnd, LPARAM lParam)
{
    CSearch* pSearch = reinterpret_cast<CSearch*>(lParam);
    if (!::IsWindowVisible(hWnd))
        return TRUE;
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (pSearch->dwProcessId != 0 && dwProcessId != pSearch->dwProcessId)
        return TRUE;
    if (CGuiDriver::GetText(hWnd) != pSearch->lpszCaption)
        return TRUE;
    if (pSearch->lpszClass != nullptr) {
        char szClass[64] = "";
        ::GetClassNameA(hWnd, szClass, sizeof szClass);
        // "Name*" matches every class whose name begins with Name.
        const int nLength = lstrlenA(pSearch->lpszClass);
        const bool bPrefix = nLength > 0 && pSearch->lpszClass[nLength - 1] == '*';
        if (bPrefix ? strncmp(szClass, pSearch->lpszClass, static_cast<size_t>(nLength - 1)) != 0
                    : lstrcmpA(szClass, pSearch->lpszClass) != 0)
            return TRUE;
    }
    if (pSearch->nControlId != 0) {
        HWND hControl = CGuiDriver::FindControl(hWnd, pSearch->nControlId);
        if (hControl == nullptr)
            return TRUE;
        if (pSearch->lpszControlText != nullptr && CGuiDriver::GetText(hControl) != pSearch->lpszControlText)
            return TRUE;
    }
    pSearch->hFound = hWnd;
    return FALSE;
}

struct CControlSearch
{
    int nControlId;
    HWND hFound;
};

BOOL CALLBACK MatchControl(HWND hWnd, LPARAM lParam)
{
    CControlSearch* pSearch = reinterpret_cast<CControlSearch*>(lParam);
    if (::GetDlgCtrlID(hWnd) != pSearch->nControlId)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

} // namespace

HWND CGuiDriver::FindWindowNow(LPCTSTR lpszCaption, LPCTSTR lpszClass, int nControlId,
                               LPCTSTR lpszControlText) const
{
    CSearch search = {m_dwProcessId, lpszCaption, lpszClass, nControlId, lpszControlText, nullptr};
    ::EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND CGuiDriver::WaitForWindow(LPCTSTR lpszCaption, LPCTSTR lpszClass, int nControlId, LPCTSTR lpszControlText,
                               DWORD dwTimeout) const
{
    const DWORD dwStart = ::GetTickCount();
    for (;;) {
        HWND hWnd = FindWindowNow(lpszCaption, lpszClass, nControlId, lpszControlText);
        if (hWnd != nullptr || ::GetTickCount() - dwStart > dwTimeout)
            return hWnd;
        ::Sleep(kPollInterval);
    }
}

BOOL CGuiDriver::WaitForWindowGone(HWND hWnd, DWORD dwTimeout) const
{
    const DWORD dwStart = ::GetTickCount();
    while (::IsWindow(hWnd) && ::IsWindowVisible(hWnd)) {
        if (::GetTickCount() - dwStart > dwTimeout)
            return FALSE;
        ::Sleep(kPollInterval);
    }
    return TRUE;
}

HWND CGuiDriver::FindControl(HWND hWnd, int nControlId)
{
    CControlSearch search = {nControlId, nullptr};
    ::EnumChildWindows(hWnd, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

void CGuiDriver::Click(HWND hWnd, int nControlId)
{
    ::PostMessageA(FindControl(hWnd, nControlId), BM_CLICK, 0, 0);
}

void CGuiDriver::ClickAndWait(HWND hWnd, int nControlId)
{
    ::SendMessageTimeoutA(FindControl(hWnd, nControlId), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, nullptr);
}

void CGuiDriver::PressKey(HWND hWnd, UINT nVirtualKey)
{
    ::PostMessageA(hWnd, WM_KEYDOWN, nVirtualKey, 1);
    ::PostMessageA(hWnd, WM_KEYUP, nVirtualKey, static_cast<LPARAM>(0xC0000001u));
}

void CGuiDriver::TypeText(HWND hWnd, int nControlId, LPCTSTR lpszText)
{
    HWND hEdit = FindControl(hWnd, nControlId);
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(lpszText));
}

CString CGuiDriver::GetText(HWND hWnd)
{
    char szText[1024] = "";
    ::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof szText, reinterpret_cast<LPARAM>(szText), SMTO_ABORTIFHUNG,
                          5000, nullptr);
    return szText;
}

CString CGuiDriver::GetControlText(HWND hWnd, int nControlId)
{
    HWND hControl = FindControl(hWnd, nControlId);
    return hControl != nullptr ? GetText(hControl) : CString();
}

RECT CGuiDriver::GetWindowRect(HWND hWnd)
{
    RECT rc {};
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

RECT CGuiDriver::GetClientRect(HWND hWnd)
{
    RECT rc {};
    ::GetClientRect(hWnd, &rc);
    return rc;
}

BOOL CGuiDriver::IsEnabled(HWND hWnd, int nControlId)
{
    HWND hControl = FindControl(hWnd, nControlId);
    return hControl != nullptr && ::IsWindowEnabled(hControl);
}

BOOL CGuiDriver::IsVisible(HWND hWnd, int nControlId)
{
    HWND hControl = FindControl(hWnd, nControlId);
    return hControl != nullptr && ::IsWindowVisible(hControl);
}

BOOL CGuiDriver::AnswerMessageBox(LPCTSTR lpszCaption, int nButtonId, DWORD dwTimeout) const
{
    HWND hBox = WaitForDialog(lpszCaption, nButtonId, nullptr, dwTimeout);
    if (hBox == nullptr)
        return FALSE;
    Click(hBox, nButtonId);
    return WaitForWindowGone(hBox);
}

CTestProcess::~CTestProcess()
{
    if (m_process.hProcess == nullptr)
        return;
    if (::WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0)
        ::TerminateProcess(m_process.hProcess, 1);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

BOOL CTestProcess::Start(LPCTSTR lpszProgram, LPCTSTR lpszArguments)
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    CString strDirectory(szPath);
    strDirectory = strDirectory.Left(strDirectory.ReverseFind('\\') + 1);
    CString strCommandLine;
    strCommandLine.Format("\"%s%s\" %s", static_cast<LPCTSTR>(strDirectory), lpszProgram, lpszArguments);
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    return ::CreateProcessA(nullptr, strCommandLine.GetBuffer(0), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &m_process);
}

DWORD CTestProcess::WaitForExit(DWORD dwTimeout)
{
    DWORD dwExitCode = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(m_process.hProcess, dwTimeout) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(m_process.hProcess, &dwExitCode);
    return dwExitCode;
}
