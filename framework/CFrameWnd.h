// CFrameWnd: a top-level window of the program's own. When it is the
// application's main window its destruction ends the message loop; the
// object deletes itself after its window is gone (create it with new).
#pragma once

#include "CWnd.h"

class CFrameWnd : public CWnd
{
    DECLARE_DYNAMIC(CFrameWnd)
public:
    // Position and size are the system's defaults.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, HWND hWndParent = nullptr,
                DWORD dwExStyle = 0);

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
};
