// Registering (1549): enters the product in the registry and the fonts in
// the font table, then chooses Finished, Restart or Not installed.
#pragma once

#include "CWizardPage.h"

class CRegisterPage : public CWizardPage
{
public:
    CRegisterPage() : CWizardPage(1549, 115) { m_nButtonBarId = 0; }
};
