// Restart (1558): a replaced file waits for the next restart. Restart now
// (1035) or finish without restarting (1036).
#pragma once

#include "CWizardPage.h"

class CRestartPage : public CWizardPage
{
public:
    CRestartPage() : CWizardPage(1558, kEndOfWizard) { m_nButtonBarId = 0; }

protected:
    BOOL OnCommand(UINT nId) override;

private:
    void OnRestartNow();
};
