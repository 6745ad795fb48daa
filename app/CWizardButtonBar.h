// The bar of Cancel, Back and Next (template 129) that six pages carry under
// their own controls: a child dialog that widens and lengthens its page to
// hold it and passes its buttons on to the page.
#pragma once

#include "CDialog.h"

class CWizardPage;

class CWizardButtonBar : public CDialog
{
public:
    CWizardButtonBar();

    void EnableBack(BOOL bEnable);
    void EnableNext(BOOL bEnable);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT nId) override;
    void OnCancel() override;
    // The bar object lives exactly as long as its window.
    void PostNcDestroy() override;

private:
    CWizardPage* GetPage() const;
};
