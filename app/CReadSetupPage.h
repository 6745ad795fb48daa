// Reading setup information (114): loads the install profile (in uninstall
// mode the install log). Passed over once it has been left, so going back
// never reads the profile twice.
#pragma once

#include "CWizardPage.h"

class CReadSetupPage : public CWizardPage
{
public:
    // nNextPage: 104 when installing, 1546 when removing.
    explicit CReadSetupPage(int nNextPage) : CWizardPage(114, nNextPage) { m_nButtonBarId = 0; }

    BOOL IsShown() override { return !m_bHasBeenLeft; }
};
