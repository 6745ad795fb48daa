#include "CWinApp.h"

#include "CWnd.h"

namespace {
CWinApp* g_pCurrentApp = nullptr;
}

IMPLEMENT_DYNAMIC(CWinApp, CObject)

CWinApp::CWinApp()
    : m_crDialogBack(GetSysColor(COLOR_BTNFACE)),
      m_crDialogText(GetSysColor(COLOR_WINDOWTEXT))
{
    g_pCurrentApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pCurrentApp == this)
        g_pCurrentApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pCurrentApp;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

int CWinApp::Run()
{
    for (;;) {
        BOOL bResult = GetMessageA(&m_msgCur, nullptr, 0, 0);
        if (bResult == 0 || bResult == -1)
            break;
        if (AfxPreTranslateMessage(&m_msgCur))
            continue;
        TranslateMessage(&m_msgCur);
        DispatchMessageA(&m_msgCur);
    }
    return ExitInstance();
}

LRESULT CWinApp::ProcessWndProcException(CException*, const MSG*)
{
    MessageBeep(MB_ICONHAND);
    return 0;
}

void CWinApp::SetDialogBkColor(COLORREF crBack, COLORREF crText)
{
    m_crDialogBack = crBack;
    m_crDialogText = crText;
}

int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;

    // Nothing thrown during start-up may end the process without shutdown.
    BOOL bStarted = FALSE;
    try {
        bStarted = pApp->InitInstance();
    } catch (CException* e) {
        CExceptionGuard guard(e);
        pApp->ProcessWndProcException(e, nullptr);
    }
    return bStarted ? pApp->Run() : pApp->ExitInstance();
}
