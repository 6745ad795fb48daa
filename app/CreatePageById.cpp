// The page factory: the page table of the wizard.
#include "CCopyPage.h"
#include "CFinishedPage.h"
#include "CNotInstalledPage.h"
#include "CReadSetupPage.h"
#include "CRegisterPage.h"
#include "CRemoveConfirmPage.h"
#include "CRemoveFilesPage.h"
#include "CRemovedPage.h"
#include "CRestartPage.h"
#include "CSelectDirPage.h"
#include "CSetupApp.h"
#include "CUnregisterPage.h"
#include "CWelcomePage.h"

CWizardPage* CreatePageById(int nPage)
{
    switch (nPage) {
    case 102:
        return new CWelcomePage;
    case 114:
        return new CReadSetupPage(GetSetupApp()->m_bUninstall ? 1546 : 104);
    case 104:
        return new CSelectDirPage;
    case 108:
        return new CCopyPage;
    case 1549:
        return new CRegisterPage;
    case 115:
        return new CFinishedPage;
    case 116:
        return new CNotInstalledPage;
    case 1558:
        return new CRestartPage;
    case 1545:
        return new CRemoveConfirmPage;
    case 1546:
        return new CRemoveFilesPage;
    case 1550:
        return new CUnregisterPage;
    case 1547:
        return new CRemovedPage;
    default:
        return nullptr;
    }
}
