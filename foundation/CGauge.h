// A progress bar with a centred percentage. Up to the position it is
// painted in the highlight colour with the text in the window colour, the
// rest the other way round, so the text changes colour where the bar ends.
#pragma once

#include "CDC.h"
#include "CWnd.h"

class CGauge : public CWnd
{
public:
    CGauge(UINT nMin, UINT nMax, UINT nPos);

    // A child window of pParentWnd. When the parent has a child nId (a
    // placeholder), the gauge takes its place and size and destroys it.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nId);
    // Kept within the range; repaints at once when bRedraw is set.
    void SetPos(UINT nPos, BOOL bRedraw);
    void SetRange(UINT nMin, UINT nMax);
    // Paints the gauge into pDC over the client rectangle rcClient.
    void Draw(CDC* pDC, const RECT& rcClient) const;

    UINT m_nMin;
    UINT m_nMax;
    UINT m_nPos;

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
};
