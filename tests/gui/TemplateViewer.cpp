// Shows one dialog template of setup.exe's resources as it is, for screenshots:
//   template_viewer ID [BAR_ID] [CONTROL_ID=TEXT ...] [-CONTROL_ID ...]
// The dialog runs with a procedure that does nothing, so what shows is the
// template alone. BAR_ID, when given, is a child template laid under the
// dialog the way the wizard does it (centred, the dialog grown by its height).
// CONTROL_ID=TEXT fills a control that the program fills at run time, and
// -CONTROL_ID hides one that the program hides (alternatives at one place).
// Once painted, the window rectangle "left top width height" is written to
// standard output; the viewer then stays for a few seconds and exits.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace
{
const UINT_PTR g_nCloseTimer = 1;
const UINT g_nLifetimeMs = 6000;

INT_PTR CALLBACK ViewerDialogProc(HWND, UINT nMessage, WPARAM, LPARAM)
{
    return nMessage == WM_INITDIALOG;
}

void PlaceBar(HWND hPage, HWND hBar)
{
    RECT rcPage, rcClient, rcBar;
    GetWindowRect(hPage, &rcPage);
    GetClientRect(hPage, &rcClient);
    GetWindowRect(hBar, &rcBar);
    int nPageWidth = rcPage.right - rcPage.left;
    int nBarWidth = rcBar.right - rcBar.left;
    int nBarHeight = rcBar.bottom - rcBar.top;
    int nWidth = nPageWidth > nBarWidth ? nPageWidth : nBarWidth;
    MoveWindow(hBar, (rcClient.right - nBarWidth) / 2, rcClient.bottom, nWidth, nBarHeight, FALSE);
    MoveWindow(hPage, rcPage.left, rcPage.top, nWidth, rcPage.bottom - rcPage.top + nBarHeight, FALSE);
}

void SetControlText(HWND hDialog, const wchar_t* pszAssignment)
{
    wchar_t* pEnd = nullptr;
    long nId = std::wcstol(pszAssignment, &pEnd, 10);
    if (pEnd && *pEnd == L'=')
        SetDlgItemTextW(hDialog, static_cast<int>(nId), pEnd + 1);
}

void PumpUntilIdle()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    int nArgs = 0;
    LPWSTR* ppArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    if (!ppArgs || nArgs < 2) {
        std::fprintf(stderr, "usage: template_viewer ID [BAR_ID] [CONTROL_ID=TEXT ...] [-CONTROL_ID ...]\n");
        return 2;
    }
    int nTemplate = static_cast<int>(std::wcstol(ppArgs[1], nullptr, 10));
    HWND hDialog = CreateDialogParamW(hInstance, MAKEINTRESOURCEW(nTemplate), nullptr,
                                      ViewerDialogProc, 0);
    if (!hDialog) {
        std::fprintf(stderr, "template %d: cannot create (error %lu)\n", nTemplate, GetLastError());
        return 1;
    }
    for (int i = 2; i < nArgs; ++i) {
        if (std::wcschr(ppArgs[i], L'=')) {
            SetControlText(hDialog, ppArgs[i]);
            continue;
        }
        if (ppArgs[i][0] == L'-') {
            ShowWindow(GetDlgItem(hDialog, static_cast<int>(std::wcstol(ppArgs[i] + 1, nullptr, 10))), SW_HIDE);
            continue;
        }
        int nBar = static_cast<int>(std::wcstol(ppArgs[i], nullptr, 10));
        HWND hBar = CreateDialogParamW(hInstance, MAKEINTRESOURCEW(nBar), hDialog,
                                       ViewerDialogProc, 0);
        if (!hBar) {
            std::fprintf(stderr, "template %d: cannot create (error %lu)\n", nBar, GetLastError());
            return 1;
        }
        PlaceBar(hDialog, hBar);
    }
    LocalFree(ppArgs);

    // Away from the screen's corner so that nothing of the frame is cut.
    SetWindowPos(hDialog, HWND_TOP, 16, 16, 0, 0, SWP_NOSIZE);
    ShowWindow(hDialog, SW_SHOW);
    UpdateWindow(hDialog);
    PumpUntilIdle();
    GdiFlush();

    RECT rc;
    GetWindowRect(hDialog, &rc);
    std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    std::fflush(stdout);

    SetTimer(nullptr, g_nCloseTimer, g_nLifetimeMs, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr)
            break;
        if (!IsDialogMessageW(hDialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DestroyWindow(hDialog);
    return 0;
}
