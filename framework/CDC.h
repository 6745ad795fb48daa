// Device contexts: CDC wraps any HDC (a memory DC made with
// CreateCompatibleDC is deleted with the object); CPaintDC brackets a
// WM_PAINT with BeginPaint/EndPaint; CClientDC holds a window's client DC.
#pragma once

#include "CObject.h"

class CWnd;
class CGdiObject;
class CPalette;

class CDC : public CObject
{
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory DC compatible with pDC (null: the screen); deleted with the object.
    BOOL CreateCompatibleDC(CDC* pDC);
    HDC Detach();

    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    HGDIOBJ SelectObject(const CGdiObject& object);
    HPALETTE SelectPalette(HPALETTE hPalette, BOOL bForceBackground)
    {
        return ::SelectPalette(m_hDC, hPalette, bForceBackground);
    }
    // The palette object may hold no palette: then nothing is selected.
    HPALETTE SelectPalette(const CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
    UINT SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    BOOL TextOut(int x, int y, LPCTSTR lpszText, int nCount) { return ::TextOutA(m_hDC, x, y, lpszText, nCount); }
    BOOL ExtTextOut(int x, int y, UINT nOptions, const RECT* pRect, LPCTSTR lpszText, int nCount)
    {
        return ::ExtTextOutA(m_hDC, x, y, nOptions, pRect, lpszText, static_cast<UINT>(nCount), nullptr);
    }
    SIZE GetTextExtent(LPCTSTR lpszText, int nCount) const;
    void FillRect(const RECT* pRect, HBRUSH hBrush) { ::FillRect(m_hDC, pRect, hBrush); }

    HDC m_hDC = nullptr;

private:
    BOOL m_bOwnsDC = FALSE;
};

class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps {};

private:
    HWND m_hWnd;
};

class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};
