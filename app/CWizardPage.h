// A wizard page: a modeless dialog owned by the background window, made the
// first time the wizard reaches it and afterwards only shown and hidden. Its
// number is its template's; it knows the page after it and, once reached
// going forward, the page before it. Its work (DoWork) runs once, right after
// its window is first shown, and its result picks the next page.
#pragma once

#include "CDialog.h"

class CWizardButtonBar;

// Posted to a page when its window is first shown: runs its work.
const UINT WM_DOWORK = WM_USER + 201;

const int kEndOfWizard = -1;
const int kNotInstalledPage = 116;

class CWizardPage : public CDialog
{
public:
    // Enters the page in the registry (one object per page number).
    CWizardPage(int nPageId, int nNextPage);
    ~CWizardPage() override;

    virtual void PlacePage();
    // The page to show next, or 0 to stay.
    virtual int DoWork();
    // TRUE when the user really wants to give up.
    virtual BOOL ConfirmCancel();
    // Whether navigation stops at this page.
    virtual BOOL IsShown();
    virtual BOOL CreatePage();

    // The run has failed: the wizard goes on to the Not-installed page.
    void FailInstall();
    void OnBack();
    // Ends the wizard on a last page, otherwise goes on to the next one.
    void OnOK() override;
    void OnCancel() override;

    int m_nPageId;
    int m_nNextPage;
    int m_nButtonBarId;
    BOOL m_bHasBeenLeft = FALSE;
    int m_nBackPage = 0;
    CWizardButtonBar* m_pButtonBar = nullptr;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(UINT nId) override;
    // Page objects outlive their windows; DestroyAllPages deletes them.
    void PostNcDestroy() override;

private:
    void CreateButtonBar();
    void OnDoWork();
    void OnActivateApp();
};

// Shows page nPage, or the first page after it (before it, going back) that
// is shown. kEndOfWizard destroys the background window, which ends the run.
void GoToPage(int nPage, BOOL bBackward);
CWizardPage* FindPage(int nPage);
// The page factory: a new page object for a number of the page table, or null.
CWizardPage* CreatePageById(int nPage);
// Deletes every page object and empties the registry.
void DestroyAllPages();

// The page shown last, or null before the first.
extern CWizardPage* g_pCurrentPage;
