// The windowing half of the framework: how a message reaches its handler,
// what happens to an exception a handler lets escape, dialogs and their data
// exchange and colours, and the end of the main window.
#include "CDialog.h"
#include "CFrameWnd.h"
#include "CWinApp.h"

#include <gtest/gtest.h>

namespace {

const UINT kTestDialog = 100;
const int kEdit = 10;
const int kStatic = 11;
const UINT WM_THROW = WM_APP + 1;

// Records what escaped a handler.
class CTestApp : public CWinApp
{
public:
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override
    {
        m_strEscaped = e->GetRuntimeClass()->m_lpszClassName;
        m_nMessage = pMsg != nullptr ? pMsg->message : 0;
        return 0;
    }
    CString m_strEscaped;
    UINT m_nMessage = 0;
};

// Tells when it is deleted, so the test sees the catch site release it.
class CCountedException : public CException
{
public:
    explicit CCountedException(int* pDeleted) : m_pDeleted(pDeleted) {}
    ~CCountedException() override { ++*m_pDeleted; }
    int* m_pDeleted;
};

class CTestWnd : public CWnd
{
public:
    BOOL Create() { return CreateEx(0, AfxRegisterWndClass(0), "test", WS_POPUP, 0, 0, 50, 50, nullptr, 0); }

    int m_nCommand = 0;
    int m_nDeleted = 0;
    BOOL m_bPostNcDestroy = FALSE;

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
    {
        switch (nMsg) {
        case WM_THROW:
            throw new CCountedException(&m_nDeleted);
        case WM_APP:
            return 42;
        }
        return CWnd::WindowProc(nMsg, wParam, lParam);
    }
    BOOL OnCommand(UINT nId) override
    {
        m_nCommand = static_cast<int>(nId);
        return TRUE;
    }
    void PostNcDestroy() override { m_bPostNcDestroy = TRUE; }
};

class CTestDialog : public CDialog
{
public:
    CTestDialog() : CDialog(kTestDialog) {}

    CString m_strEdit = "typed";
    CString m_strStatic = "shown";
    UINT m_nEndWith = 0;  // posted from OnInitDialog when not 0
    BOOL m_bPostNcDestroy = FALSE;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_nEndWith != 0) {
            SetDlgItemText(kEdit, "typed-in");
            PostMessage(WM_COMMAND, m_nEndWith);
        }
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, kEdit, m_strEdit);
        DDX_Text(pDX, kStatic, m_strStatic);
    }
    void PostNcDestroy() override { m_bPostNcDestroy = TRUE; }
};

class WindowTest : public ::testing::Test
{
protected:
    CTestApp m_app;
};

TEST_F(WindowTest, MessagesReachTheHandlersOfTheirObject)
{
    CTestWnd wnd;
    ASSERT_TRUE(wnd.Create());
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(wnd.SendMessage(WM_APP), 42);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(1234, BN_CLICKED));
    EXPECT_EQ(wnd.m_nCommand, 1234);

    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_TRUE(wnd.m_bPostNcDestroy);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(WindowTest, AnEscapingExceptionGoesToTheApplicationAndIsDeleted)
{
    CTestWnd wnd;
    ASSERT_TRUE(wnd.Create());
    EXPECT_EQ(wnd.SendMessage(WM_THROW), 0);
    EXPECT_STREQ(m_app.m_strEscaped, "CException");
    EXPECT_EQ(m_app.m_nMessage, WM_THROW);
    EXPECT_EQ(wnd.m_nDeleted, 1);
    // The window lives on.
    EXPECT_EQ(wnd.SendMessage(WM_APP), 42);
}

TEST_F(WindowTest, DestroyingTheObjectDestroysItsWindow)
{
    HWND hWnd = nullptr;
    {
        CTestWnd wnd;
        ASSERT_TRUE(wnd.Create());
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST_F(WindowTest, ModelessDialogExchangesDataBothWays)
{
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestDialog));
    EXPECT_STREQ(dialog.GetDlgItemText(kEdit), "typed");
    EXPECT_STREQ(dialog.GetDlgItemText(kStatic), "shown");

    dialog.SetDlgItemText(kEdit, "changed");
    dialog.UpdateData(TRUE);
    EXPECT_STREQ(dialog.m_strEdit, "changed");

    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_TRUE(dialog.m_bPostNcDestroy);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(WindowTest, DialogsArePaintedInTheApplicationsColours)
{
    m_app.SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 128));
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestDialog));
    HDC hDC = ::GetDC(dialog.m_hWnd);
    for (UINT nMsg : {WM_CTLCOLORDLG, WM_CTLCOLORSTATIC}) {
        SCOPED_TRACE(nMsg);
        const LRESULT lBrush =
            dialog.SendMessage(nMsg, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(dialog.m_hWnd));
        LOGBRUSH logBrush {};
        ASSERT_NE(::GetObjectA(reinterpret_cast<HBRUSH>(lBrush), sizeof logBrush, &logBrush), 0);
        EXPECT_EQ(logBrush.lbColor, RGB(192, 192, 192));
        EXPECT_EQ(::GetBkColor(hDC), RGB(192, 192, 192));
        EXPECT_EQ(::GetTextColor(hDC), RGB(0, 0, 128));
    }
    ::ReleaseDC(dialog.m_hWnd, hDC);
}

TEST_F(WindowTest, ModalDialogEndsWithItsCommand)
{
    struct Case {
        UINT nCommand;
        INT_PTR nResult;
        const char* lpszEditAfter;  // OK saves the controls, Cancel does not
    };
    const Case kCases[] = {{IDOK, IDOK, "typed-in"}, {IDCANCEL, IDCANCEL, "preset"}};
    for (const Case& c : kCases) {
        CTestDialog dialog;
        dialog.m_nEndWith = c.nCommand;
        dialog.m_strEdit = "preset";
        EXPECT_EQ(dialog.DoModal(), c.nResult);
        EXPECT_EQ(dialog.m_hWnd, nullptr);
        EXPECT_STREQ(dialog.m_strEdit, c.lpszEditAfter);
    }
    CDialog missing(4711);
    EXPECT_EQ(missing.DoModal(), -1);
}

// The main window's end ends the message loop (code 0), and the frame
// object goes with its window.
class CTestFrame : public CFrameWnd
{
public:
    explicit CTestFrame(BOOL* pDeleted) : m_pDeleted(pDeleted) {}
    ~CTestFrame() override { *m_pDeleted = TRUE; }
    BOOL* m_pDeleted;
};

TEST_F(WindowTest, DestroyingTheMainWindowEndsTheMessageLoop)
{
    BOOL bDeleted = FALSE;
    CTestFrame* pFrame = new CTestFrame(&bDeleted);
    ASSERT_TRUE(pFrame->Create(AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW));
    m_app.m_pMainWnd = pFrame;
    pFrame->PostMessage(WM_CLOSE);
    EXPECT_EQ(m_app.Run(), 0);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

} // namespace
