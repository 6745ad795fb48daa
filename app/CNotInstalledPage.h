// Not installed (116): the run failed or was cancelled; OK and Escape end the wizard.
#pragma once

#include "CWizardPage.h"

class CNotInstalledPage : public CWizardPage
{
public:
    CNotInstalledPage() : CWizardPage(116, kEndOfWizard) { m_nButtonBarId = 0; }
};
