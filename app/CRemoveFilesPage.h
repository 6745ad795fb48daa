// Removing files (1546): removes what the install log records. Cancel only
// asks the removal to put its question at the next file.
#pragma once

#include "CWizardPage.h"

class CRemoveFilesPage : public CWizardPage
{
public:
    CRemoveFilesPage() : CWizardPage(1546, 1550) {}

    void OnCancel() override { m_bCancelRequested = TRUE; }

    BOOL m_bCancelRequested = FALSE;
};
