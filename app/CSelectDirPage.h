// Select Directory (104): where the plug-in goes. Suggests the browser's
// plug-in folder; Next creates the install folder, fixes destination 0 on
// it and selects the groups to install; Browse picks the folder instead.
#pragma once

#include "CWizardPage.h"

class CSelectDirPage : public CWizardPage
{
public:
    CSelectDirPage() : CWizardPage(104, 108) {}

    void OnOK() override;
    // The browser's plug-in folder: from its registered program path, or
    // the usual place on the first fixed drive.
    static CString SuggestLocation();

    CString m_strLocation;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT nId) override;

private:
    void OnBrowse();
};
