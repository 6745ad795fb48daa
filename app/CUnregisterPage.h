// Unregistering (1550): removes the product's registry entries.
#pragma once

#include "CWizardPage.h"

class CUnregisterPage : public CWizardPage
{
public:
    CUnregisterPage() : CWizardPage(1550, 1547) {}
};
