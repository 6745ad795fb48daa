// The background window: the installer's main window, without a title bar,
// maximised, painted with a blue-to-black ramp and the installer's title.
// The wizard pages are owned by it and float over it.
#pragma once

#include "CFrameWnd.h"
#include "CGdiObject.h"

class CDC;

class CMainWnd : public CFrameWnd
{
    DECLARE_DYNAMIC(CMainWnd)
public:
    // Registers the class and creates the window; TRUE on success.
    BOOL CreateBackground();
    void RealizeOwnPalette();

    static void DrawTitle(CDC* pDC, const RECT& rcClient, LPCTSTR lpszText, LPCTSTR lpszFaceName, int nPoints,
                          BOOL bBold, BOOL bItalic, BOOL bShadow);
    // On a palette display, the default colours followed by a ramp from
    // crFrom to crTo; no palette otherwise.
    static void CreateGradientPalette(CDC* pDC, CPalette* pPalette, const RECT& rcClient, COLORREF crFrom,
                                      COLORREF crTo);
    // One band per pixel row of the client area, crFrom at the top.
    static void FillGradient(CDC* pDC, const RECT& rcUpdate, const RECT& rcClient, BOOL bPaletteRelative,
                             COLORREF crFrom, COLORREF crTo);

    CPalette* m_pPalette = nullptr;
    BOOL m_bAppActive = FALSE;

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate(UINT nMsg, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnClose();
};
