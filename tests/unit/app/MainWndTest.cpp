// The background window: its ramp, its palette on a true-colour display and
// the close question, which never closes it.
#include "CLogPalette.h"
#include "CMainWnd.h"
#include "CSetupApp.h"
#include "GuiDriver.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(MainWndTest, RampHasOneBandPerRowFromBlueToBlack)
{
    const int kHeight = 480;
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 4, kHeight);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = dc.SelectObject(hBitmap);

    const RECT rcClient = {0, 0, 4, kHeight};
    CMainWnd::FillGradient(&dc, rcClient, rcClient, FALSE, RGB(0, 0, 255), RGB(0, 0, 0));
    EXPECT_EQ(::GetPixel(dc.m_hDC, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(::GetPixel(dc.m_hDC, 3, 240), RGB(0, 0, 255 - 240 * 255 / kHeight));
    EXPECT_EQ(::GetPixel(dc.m_hDC, 0, kHeight - 1), RGB(0, 0, 1));

    // Only the update rectangle's columns are painted.
    const RECT rcUpdate = {0, 0, 2, kHeight};
    CMainWnd::FillGradient(&dc, rcUpdate, rcClient, FALSE, RGB(255, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(dc.m_hDC, 1, 100), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(dc.m_hDC, 2, 100), RGB(0, 0, 255 - 100 * 255 / kHeight));

    dc.SelectObject(hOld);
    ::DeleteObject(hBitmap);
}

TEST(MainWndTest, TrueColourDisplayGetsNoPalette)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    ASSERT_EQ(dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE, 0);
    CPalette palette;
    const RECT rc = {0, 0, 10, 10};
    CMainWnd::CreateGradientPalette(&dc, &palette, rc, RGB(0, 0, 255), RGB(0, 0, 0));
    EXPECT_EQ(palette.m_hObject, nullptr);

    // The default palette's entries, as the ramp would follow them.
    CLogPalette logPalette;
    logPalette.CopyCurrent(&dc);
    EXPECT_EQ(logPalette.m_pLogPalette->palVersion, 0x300);
    EXPECT_EQ(logPalette.m_pLogPalette->palNumEntries, 20);
    EXPECT_EQ(logPalette.m_pLogPalette->palPalEntry[0].peRed, 0);
    logPalette.Resize(256);
    logPalette.SetEntry(255, 1, 2, 3, 0);
    EXPECT_EQ(logPalette.m_pLogPalette->palNumEntries, 256);
    EXPECT_EQ(logPalette.m_pLogPalette->palPalEntry[255].peBlue, 3);
}

TEST(MainWndTest, StartsMaximisedOrMinimisedWhenUnattended)
{
    for (BOOL bUnattended : {FALSE, TRUE}) {
        SCOPED_TRACE(bUnattended);
        CSetupApp app;
        app.m_bUnattended = bUnattended;
        CMainWnd* pMainWnd = new CMainWnd;
        ASSERT_TRUE(pMainWnd->CreateBackground());
        EXPECT_EQ(::IsZoomed(pMainWnd->m_hWnd), !bUnattended);
        EXPECT_EQ(::IsIconic(pMainWnd->m_hWnd), bUnattended);
        // No title bar: the caption the system adds to every top-level window is taken off.
        EXPECT_EQ(::GetWindowLongA(pMainWnd->m_hWnd, GWL_STYLE) & WS_CAPTION, static_cast<LONG>(WS_BORDER));
        pMainWnd->DestroyWindow();  // deletes the object
    }
}

TEST(MainWndTest, CloseAsksAndOnYesOnlyMarksTheRunFailed)
{
    CSetupApp app;
    app.m_strSetupTitle = "Velmo Dvi Plug-in Setup";
    CMainWnd* pMainWnd = new CMainWnd;
    ASSERT_TRUE(pMainWnd->CreateBackground());
    app.m_pMainWnd = pMainWnd;

    for (int nAnswer : {IDNO, IDYES}) {
        SCOPED_TRACE(nAnswer);
        std::thread driver([nAnswer] {
            const CGuiDriver gui(::GetCurrentProcessId());
            gui.AnswerMessageBox("Velmo Dvi Plug-in Setup", nAnswer);
        });
        pMainWnd->SendMessage(WM_CLOSE);
        driver.join();
        EXPECT_TRUE(::IsWindow(pMainWnd->m_hWnd));
        EXPECT_EQ(app.m_bSuccess, nAnswer == IDNO);
    }
    pMainWnd->DestroyWindow();  // deletes the object
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

} // namespace
