// The error dialog (template 1544): the caller's message, the short text of
// the exception, and - once More is pressed - its long text and the error
// information line. An information form (OK) or a question form
// ("Continue Operation" / "Cancel Operation").
#pragma once

#include "CExpandingDialog.h"
#include "CXFont.h"

class CErrorDialog : public CExpandingDialog
{
public:
    CErrorDialog();

    UINT m_nMessageId = 0;
    CString m_strMessage;
    CString m_strShort;
    CString m_strLong;
    CString m_strErrorInfo;
    BOOL m_bCanCancel = FALSE;
    CBrush m_hbrBack;
    CXFont m_font;
    UINT m_nIconId;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
};
