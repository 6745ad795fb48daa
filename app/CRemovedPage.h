// Removed (1547): the last page of a removal; Next, Cancel and Escape end the wizard.
#pragma once

#include "CWizardPage.h"

class CRemovedPage : public CWizardPage
{
public:
    CRemovedPage() : CWizardPage(1547, kEndOfWizard) {}
};
