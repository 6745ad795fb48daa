// The page framework in this test program: the page table, navigation with
// its Back chain, the button bar's layout, a failing work, and the Copying
// page's progress and cancel request.
#include "CCopyPage.h"
#include "CSetupApp.h"
#include "CWizardButtonBar.h"
#include "CWizardPage.h"
#include "GuiDriver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// Pages read the application object; its start-up is not needed here.
class WizardTest : public ::testing::Test
{
protected:
    ~WizardTest() override { DestroyAllPages(); }

    // Runs the messages posted so far (the pages' works among them).
    static void RunPostedMessages()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }

    CSetupApp m_app;
};

struct PageRow {
    int nPage;
    const char* lpszClass;
    int nNextPage;
    BOOL bBar;
};

TEST_F(WizardTest, FactoryMakesThePagesOfTheTable)
{
    const PageRow kTable[] = {
        {102, "CWelcomePage", 114, TRUE},       {114, "CReadSetupPage", 104, FALSE},
        {104, "CSelectDirPage", 108, TRUE},     {108, "CCopyPage", 1549, FALSE},
        {1549, "CRegisterPage", 115, FALSE},    {115, "CFinishedPage", -1, FALSE},
        {116, "CNotInstalledPage", -1, FALSE},  {1558, "CRestartPage", -1, FALSE},
        {1545, "CRemoveConfirmPage", 114, TRUE}, {1546, "CRemoveFilesPage", 1550, TRUE},
        {1550, "CUnregisterPage", 1547, TRUE},  {1547, "CRemovedPage", -1, TRUE},
    };
    for (const PageRow& row : kTable) {
        SCOPED_TRACE(row.lpszClass);
        CWizardPage* pPage = CreatePageById(row.nPage);
        ASSERT_NE(pPage, nullptr);
        EXPECT_EQ(pPage->m_nPageId, row.nPage);
        EXPECT_EQ(pPage->m_nNextPage, row.nNextPage);
        EXPECT_EQ(pPage->m_nButtonBarId != 0, row.bBar != FALSE);
        EXPECT_EQ(pPage->m_nBackPage, 0);
        EXPECT_EQ(FindPage(row.nPage), pPage);
    }
    EXPECT_EQ(CreatePageById(103), nullptr);
    DestroyAllPages();
    EXPECT_EQ(FindPage(102), nullptr);

    // In uninstall mode the Reading page leads to the removal.
    m_app.m_bUninstall = TRUE;
    EXPECT_EQ(CreatePageById(114)->m_nNextPage, 1546);
}

TEST_F(WizardTest, NavigationKeepsTheBackChainAndPassesOverALeftReadingPage)
{
    GoToPage(102, FALSE);
    CWizardPage* pWelcome = g_pCurrentPage;
    ASSERT_NE(pWelcome, nullptr);
    EXPECT_EQ(pWelcome->m_nPageId, 102);
    EXPECT_TRUE(pWelcome->IsWindowVisible());

    GoToPage(114, FALSE);
    CWizardPage* pReading = g_pCurrentPage;
    EXPECT_EQ(pReading->m_nBackPage, 102);
    EXPECT_TRUE(pWelcome->m_bHasBeenLeft);
    EXPECT_FALSE(pWelcome->IsWindowVisible());

    GoToPage(104, FALSE);
    CWizardPage* pSelect = g_pCurrentPage;
    EXPECT_EQ(pSelect->m_nBackPage, 114);

    // Back from 104: 114 has been left, so its own Back page is taken.
    GoToPage(pSelect->m_nBackPage, TRUE);
    EXPECT_EQ(g_pCurrentPage, pWelcome);
    EXPECT_TRUE(pWelcome->IsWindowVisible());
    EXPECT_FALSE(pSelect->IsWindowVisible());

    // Forward again: 114 is passed over; the Back chain is not rewritten.
    GoToPage(114, FALSE);
    EXPECT_EQ(g_pCurrentPage, pSelect);
    EXPECT_EQ(pSelect->m_nBackPage, 114);
    EXPECT_EQ(pReading->m_nBackPage, 102);

    // Not a page of the table: nothing changes.
    GoToPage(4711, FALSE);
    EXPECT_EQ(g_pCurrentPage, pSelect);
}

TEST_F(WizardTest, ButtonBarSitsUnderThePageAndKnowsTheEnds)
{
    struct Case {
        int nPage;
        int nBackPage;
        BOOL bBackEnabled;
        BOOL bNextEnabled;
    };
    // The first page has no Back; a last page (next -1) keeps Next.
    const Case kCases[] = {{102, 0, FALSE, TRUE}, {1547, 1550, TRUE, TRUE}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.nPage);
        CWizardPage* pPage = CreatePageById(c.nPage);
        pPage->m_nBackPage = c.nBackPage;
        GoToPage(c.nPage, FALSE);
        ASSERT_NE(pPage->m_pButtonBar, nullptr);
        HWND hBar = pPage->m_pButtonBar->m_hWnd;
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(hBar, IDC_BAR_BACK)), c.bBackEnabled);
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(hBar, IDC_BAR_NEXT)), c.bNextEnabled);

        // The page grew by the bar, which fills its client area's bottom.
        RECT rcBar;
        ::GetWindowRect(hBar, &rcBar);
        ::MapWindowPoints(nullptr, pPage->m_hWnd, reinterpret_cast<POINT*>(&rcBar), 2);
        RECT rcClient;
        pPage->GetClientRect(&rcClient);
        EXPECT_EQ(rcBar.bottom, rcClient.bottom);
        EXPECT_GT(rcBar.top, rcClient.bottom / 2);
    }
}

// A work that fails: reported with message 9, the run failed, page 116.
class CFailingPage : public CWizardPage
{
public:
    CFailingPage() : CWizardPage(1549, 115) { m_nButtonBarId = 0; }
    int DoWork() override { AfxThrowFileException(CFileException::fileNotFound); }
};

TEST_F(WizardTest, FailingWorkIsReportedAndEndsOnNotInstalled)
{
    new CFailingPage;
    GoToPage(1549, FALSE);
    CString strMessage;
    CString strInfo;
    std::thread driver([&] {
        const CGuiDriver gui(::GetCurrentProcessId());
        HWND hDialog = gui.WaitForDialog("Warning");
        if (hDialog == nullptr)
            return;
        strMessage = CGuiDriver::GetControlText(hDialog, IDC_ERROR_MESSAGE);
        strInfo = CGuiDriver::GetControlText(hDialog, IDC_ERROR_INFO);
        CGuiDriver::Click(hDialog, IDOK);
    });
    RunPostedMessages();
    driver.join();
    EXPECT_STREQ(strMessage, "Setup cannot continue");
    EXPECT_STREQ(strInfo, "9.2 (CXFileException)");
    EXPECT_FALSE(m_app.m_bSuccess);
    ASSERT_NE(g_pCurrentPage, nullptr);
    EXPECT_EQ(g_pCurrentPage->m_nPageId, 116);
}

TEST_F(WizardTest, CopyingPageShowsTheProgressOfTheFileAndTheRun)
{
    GoToPage(108, FALSE);
    CCopyPage* pCopy = static_cast<CCopyPage*>(g_pCurrentPage);
    ASSERT_NE(pCopy->m_gauge.m_hWnd, nullptr);
    EXPECT_EQ(::GetDlgItem(pCopy->m_hWnd, IDC_GAUGE), pCopy->m_gauge.m_hWnd);

    struct Case {
        DWORD dwWritten;
        DWORD dwSize;
        const char* lpszText;
    };
    const Case kCases[] = {
        {50, 200, "C:\\PLUGINS\\VELMOPI\\NPDVI.DLL (25%)"},
        {0, 0, "C:\\PLUGINS\\VELMOPI\\NPDVI.DLL (100%)"},           // an empty member
        {4000000000u, 4000000000u, "C:\\PLUGINS\\VELMOPI\\NPDVI.DLL (100%)"},  // no wrap-around
        {300, 200, "C:\\PLUGINS\\VELMOPI\\NPDVI.DLL (100%)"},
    };
    pCopy->m_gauge.SetRange(0, 1000);
    pCopy->m_nDoneBytes = 10;
    for (const Case& c : kCases) {
        EXPECT_TRUE(pCopy->ReportProgress(c.dwWritten, c.dwSize, "C:\\PLUGINS\\VELMOPI\\NPDVI.DLL"));
        EXPECT_STREQ(pCopy->GetDlgItemText(IDC_DEST_FILE), c.lpszText);
    }
    pCopy->ReportProgress(50, 200, "X");
    EXPECT_EQ(pCopy->m_gauge.m_nPos, 60u);
}

TEST_F(WizardTest, CopyingPageAsksACancelRequestAtTheNextStep)
{
    GoToPage(108, FALSE);
    CCopyPage* pCopy = static_cast<CCopyPage*>(g_pCurrentPage);
    for (int nAnswer : {IDNO, IDYES}) {
        SCOPED_TRACE(nAnswer);
        // Escape, like the Cancel button, only records the request.
        ::SendMessageA(pCopy->m_hWnd, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(pCopy->m_bCancelRequested);
        EXPECT_TRUE(pCopy->IsWindowVisible());

        std::thread driver([nAnswer] {
            const CGuiDriver gui(::GetCurrentProcessId());
            gui.AnswerMessageBox("", nAnswer);
        });
        const BOOL bGoOn = pCopy->ReportProgress(1, 2, "X");
        driver.join();
        EXPECT_EQ(bGoOn, nAnswer == IDNO);
        EXPECT_EQ(m_app.m_bSuccess, nAnswer == IDNO);
        EXPECT_EQ(pCopy->m_nNextPage, nAnswer == IDNO ? 1549 : 116);
        EXPECT_EQ(pCopy->m_bCancelRequested, nAnswer == IDYES);
    }
}

} // namespace
