// The gauge painted into a memory bitmap: where the bar ends, the text it
// shows, and the range rules of SetPos.
#include "CGauge.h"

#include <gtest/gtest.h>

namespace {

const int kWidth = 200;
const int kHeight = 24;

// A memory DC with a bitmap of its own, compatible with the screen.
struct CCanvas
{
    CCanvas()
    {
        m_dc.CreateCompatibleDC(nullptr);
        HDC hScreen = ::GetDC(nullptr);
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, kWidth, kHeight);
        ::ReleaseDC(nullptr, hScreen);
        m_hOldBitmap = m_dc.SelectObject(m_hBitmap);
        m_dc.SelectObject(::GetStockObject(DEFAULT_GUI_FONT));
        const RECT rc = {0, 0, kWidth, kHeight};
        m_dc.FillRect(&rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
    ~CCanvas()
    {
        m_dc.SelectObject(m_hOldBitmap);
        ::DeleteObject(m_hBitmap);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc.m_hDC, x, y); }

    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
};

// The pixel columns of the top row painted in the highlight colour.
int FilledWidth(const CCanvas& canvas)
{
    int nFilled = 0;
    for (int x = 0; x < kWidth; ++x)
        nFilled += canvas.At(x, 0) == ::GetSysColor(COLOR_HIGHLIGHT) ? 1 : 0;
    return nFilled;
}

// The same text drawn centred in the rest colours, to compare against.
void DrawExpectedText(CCanvas& canvas, LPCTSTR lpszText, int nFromX)
{
    const RECT rc = {nFromX, 0, kWidth, kHeight};
    const SIZE size = canvas.m_dc.GetTextExtent(lpszText, lstrlenA(lpszText));
    canvas.m_dc.SetTextAlign(TA_CENTER | TA_TOP);
    canvas.m_dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHT));
    canvas.m_dc.SetBkColor(::GetSysColor(COLOR_WINDOW));
    canvas.m_dc.ExtTextOut(kWidth / 2, (kHeight - size.cy) / 2, ETO_OPAQUE | ETO_CLIPPED, &rc, lpszText,
                           lstrlenA(lpszText));
}

bool SameFrom(const CCanvas& a, const CCanvas& b, int nFromX)
{
    for (int y = 0; y < kHeight; ++y)
        for (int x = nFromX; x < kWidth; ++x)
            if (a.At(x, y) != b.At(x, y))
                return false;
    return true;
}

// A child's window rectangle in its parent's client coordinates.
RECT RectInParent(HWND hWnd, HWND hParent)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

struct GaugeCase {
    UINT nMin, nMax, nPos;
    int nFilled;           // columns of the bar
    const char* lpszText;  // the percentage shown
};

TEST(GaugeTest, PaintsTheBarToThePercentageAndShowsIt)
{
    const GaugeCase kCases[] = {
        {0, 200, 50, kWidth / 4, "25%"},
        {0, 99, 99, kWidth, "100%"},
        {0, 99, 0, 0, "0%"},
        {0, 3000000, 1500000, kWidth / 2, "50%"},  // scaled by 1000 first
    };
    for (const GaugeCase& c : kCases) {
        SCOPED_TRACE(c.lpszText);
        CGauge gauge(c.nMin, c.nMax, c.nPos);
        CCanvas painted;
        gauge.Draw(&painted.m_dc, {0, 0, kWidth, kHeight});
        EXPECT_EQ(FilledWidth(painted), c.nFilled);
        if (c.nFilled < kWidth) {
            CCanvas expected;
            DrawExpectedText(expected, c.lpszText, c.nFilled);
            EXPECT_TRUE(SameFrom(painted, expected, c.nFilled));
        } else {
            // All filled: the text is in the window colour somewhere in the middle.
            bool bText = false;
            for (int x = 0; x < kWidth; ++x)
                bText = bText || painted.At(x, kHeight / 2) == ::GetSysColor(COLOR_WINDOW);
            EXPECT_TRUE(bText);
        }
    }
}

TEST(GaugeTest, EmptyRangePaintsNothing)
{
    CGauge gauge(5, 5, 5);
    CCanvas painted;
    gauge.Draw(&painted.m_dc, {0, 0, kWidth, kHeight});
    for (int x = 0; x < kWidth; ++x)
        ASSERT_EQ(painted.At(x, kHeight / 2), RGB(0, 0, 0));
}

TEST(GaugeTest, SetPosKeepsThePositionInTheRange)
{
    CGauge gauge(10, 20, 15);
    const UINT kPositions[][2] = {{25, 20}, {5, 10}, {12, 12}, {0xFFFFFFFFu, 20}};
    for (const auto& position : kPositions) {
        gauge.SetPos(position[0], TRUE);
        EXPECT_EQ(gauge.m_nPos, position[1]);
    }
}

TEST(GaugeTest, TakesThePlaceOfItsPlaceholder)
{
    HWND hParent = ::CreateWindowExA(0, "STATIC", "parent", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr, nullptr,
                                     nullptr);
    HWND hPlaceholder = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_BLACKFRAME, 12, 30, 150, 20, hParent,
                                          reinterpret_cast<HMENU>(1010), nullptr, nullptr);
    ASSERT_NE(hPlaceholder, nullptr);
    CWnd parent;
    parent.m_hWnd = hParent;
    {
        CGauge gauge(0, 99, 0);
        ASSERT_TRUE(gauge.Create(WS_VISIBLE, {0, 0, 0, 0}, &parent, 1010));
        EXPECT_FALSE(::IsWindow(hPlaceholder));
        EXPECT_EQ(::GetDlgItem(hParent, 1010), gauge.m_hWnd);
        const RECT rc = RectInParent(gauge.m_hWnd, hParent);
        EXPECT_EQ(rc.left, 12);
        EXPECT_EQ(rc.top, 30);
        EXPECT_EQ(rc.right - rc.left, 150);
        EXPECT_EQ(rc.bottom - rc.top, 20);
        EXPECT_STREQ(gauge.GetWindowText(), "Gauge");
    }
    EXPECT_EQ(::GetDlgItem(hParent, 1010), nullptr);  // destroyed with the object
    parent.m_hWnd = nullptr;
    ::DestroyWindow(hParent);
}

} // namespace
