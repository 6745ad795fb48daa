// Finished (115): the install is complete; Finished, Enter and Escape end the wizard.
#pragma once

#include "CWizardPage.h"

class CFinishedPage : public CWizardPage
{
public:
    CFinishedPage() : CWizardPage(115, kEndOfWizard) { m_nButtonBarId = 0; }
};
