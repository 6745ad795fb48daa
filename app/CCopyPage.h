// Copying (108): the copy run, with the file being read, the file being
// written and a gauge of the whole run. Cancel only asks the run to put its
// question at the next progress step.
#pragma once

#include "CGauge.h"
#include "CWizardPage.h"

class CInstallFile;
class CSourceFile;

class CCopyPage : public CWizardPage
{
public:
    CCopyPage();

    void OnCancel() override;
    // One progress step of the file being written: dwWritten of dwSize
    // bytes of lpszTarget. Lets the page's buttons work, asks a pending
    // cancel question and shows the progress. FALSE when the user confirmed
    // the cancel: the run is then failed and goes on to the Not-installed page.
    BOOL ReportProgress(DWORD dwWritten, DWORD dwSize, LPCTSTR lpszTarget);
    // A plain-file record that is not copied still counts as done.
    void AddDoneBytes(const CSourceFile& sourceFile);

    BOOL m_bCancelRequested = FALSE;
    CGauge m_gauge;
    DWORD m_nDoneBytes = 0;
    CInstallFile* m_pCurrentFile = nullptr;

protected:
    BOOL OnInitDialog() override;
};
