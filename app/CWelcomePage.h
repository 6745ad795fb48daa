// The Welcome page (102): the first page of an install; no work.
#pragma once

#include "CWizardPage.h"

class CWelcomePage : public CWizardPage
{
public:
    CWelcomePage() : CWizardPage(102, 114) {}
};
