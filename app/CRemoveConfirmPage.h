// Confirm removal (1545): the first page of a removal. Cancel needs no
// question here: nothing has been removed yet.
#pragma once

#include "CWizardPage.h"

class CRemoveConfirmPage : public CWizardPage
{
public:
    CRemoveConfirmPage() : CWizardPage(1545, 114) {}

    BOOL ConfirmCancel() override { return TRUE; }
};
