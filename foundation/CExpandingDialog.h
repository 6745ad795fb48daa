// A dialog that shows only its upper part until its More button (119) is
// pressed. The invisible control 123 marks the collapsed dialog's
// bottom-right corner; controls outside the visible part are disabled.
#pragma once

#include "CDialog.h"

class CExpandingDialog : public CDialog
{
public:
    explicit CExpandingDialog(UINT nIdTemplate, CWnd* pParentWnd = nullptr);

    BOOL m_bExpanded = TRUE;
    RECT m_rcFull {};  // the whole dialog, screen coordinates

protected:
    // Opens collapsed.
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT nId) override;

    void Toggle();
    void OnMore();
};
