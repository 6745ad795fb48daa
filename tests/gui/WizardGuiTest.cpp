// setup.exe driven as a user drives it: the wizard's navigation and Cancel.
#include "GuiDriver.h"

#include <gtest/gtest.h>

namespace {

const char kSetupTitle[] = "Velmo Dvi Plug-in Setup";
const int kIdOk = 1;
const int kIdCancel = 2;
const int kIdYes = 6;
const int kIdNo = 7;
const int kIdBack = 1027;
const int kIdNext = 1020;
const int kIdLocation = 1001;
const int kIdBrowse = 4;
const char kReadingText[] = "Reading Setup information. Please wait.";
const char kNotInstalledText[] =
    "Velmo Dvi Plug-in has NOT been properly installed. You should run this setup procedure again in its entirety.";
const char kRemovedText[] = "Velmo Dvi Plug-in has been removed from your computer.";

// A static control without identifier has the id 0xFFFF (-1).
const int kStaticId = 0xFFFF;

class WizardGuiTest : public ::testing::Test
{
protected:
    // Xvfb has no window manager: Wine must place its windows itself, or a
    // maximised window falls back to its first size once it is mapped.
    static void SetUpTestSuite()
    {
        HKEY hKey = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &hKey, nullptr) != ERROR_SUCCESS)
            return;
        ::RegSetValueExA(hKey, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
        ::RegCloseKey(hKey);
    }
    void Start(LPCTSTR lpszArguments)
    {
        ASSERT_TRUE(m_setup.Start("setup.exe", lpszArguments));
        m_driver = CGuiDriver(m_setup.m_process.dwProcessId);
    }
    HWND WaitForPage(LPCTSTR lpszCaption, LPCTSTR lpszText = nullptr)
    {
        return m_driver.WaitForDialog(lpszCaption, lpszText != nullptr ? kStaticId : 0, lpszText);
    }
    // The Reading page's work is attached with the profile; until then Enter
    // moves it on, as its work's result will.
    HWND PassReadingPage(LPCTSTR lpszNextCaption, LPCTSTR lpszNextText = nullptr)
    {
        HWND hReading = WaitForPage(kSetupTitle, kReadingText);
        EXPECT_NE(hReading, nullptr);
        CGuiDriver::PressKey(hReading, VK_RETURN);
        return WaitForPage(lpszNextCaption, lpszNextText);
    }
    // The removal road up to its last page, 1547.
    HWND WalkToRemoved()
    {
        HWND hConfirm = WaitForPage("Removing Velmo Dvi Plug-in");
        EXPECT_NE(hConfirm, nullptr);
        CGuiDriver::Click(hConfirm, kIdNext);
        HWND hRemoving = PassReadingPage(kSetupTitle, "Removing File:");
        EXPECT_NE(hRemoving, nullptr);
        CGuiDriver::Click(hRemoving, kIdNext);
        HWND hUnregistering = WaitForPage(kSetupTitle, "Unregistering components...");
        EXPECT_NE(hUnregistering, nullptr);
        CGuiDriver::Click(hUnregistering, kIdNext);
        return WaitForPage(kSetupTitle, kRemovedText);
    }

    CTestProcess m_setup;
    CGuiDriver m_driver;
};

TEST_F(WizardGuiTest, BackFromSelectDirectoryPassesOverTheReadingPage)
{
    Start("");
    HWND hWelcome = WaitForPage("Welcome");
    ASSERT_NE(hWelcome, nullptr);
    EXPECT_FALSE(CGuiDriver::IsEnabled(hWelcome, kIdBack));  // the first page
    EXPECT_TRUE(CGuiDriver::IsEnabled(hWelcome, kIdNext));

    CGuiDriver::Click(hWelcome, kIdNext);
    HWND hSelect = PassReadingPage("Select Directory");
    ASSERT_NE(hSelect, nullptr);
    EXPECT_STREQ(CGuiDriver::GetControlText(hSelect, kIdLocation),
                 "C:\\Program Files\\Netscape\\Navigator\\Program\\plugins");
    EXPECT_TRUE(CGuiDriver::IsEnabled(hSelect, kIdBack));

    CGuiDriver::Click(hSelect, kIdBack);
    ASSERT_EQ(WaitForPage("Welcome"), hWelcome);
    EXPECT_TRUE(m_driver.WaitForWindowGone(hSelect));

    // Forward again: the Reading page has been left, so it is passed over.
    CGuiDriver::Click(hWelcome, kIdNext);
    ASSERT_EQ(WaitForPage("Select Directory"), hSelect);
    EXPECT_EQ(m_driver.WaitForDialog(kSetupTitle, kStaticId, kReadingText, 500), nullptr);
    EXPECT_FALSE(::IsWindowVisible(hWelcome));
}

TEST_F(WizardGuiTest, BrowseStartsOnTheTypedFolderAndOkTakesThePick)
{
    Start("");
    HWND hWelcome = WaitForPage("Welcome");
    ASSERT_NE(hWelcome, nullptr);
    CGuiDriver::Click(hWelcome, kIdNext);
    HWND hSelect = PassReadingPage("Select Directory");
    ASSERT_NE(hSelect, nullptr);

    CGuiDriver::TypeText(hSelect, kIdLocation, "C:\\windows\\system32");
    CGuiDriver::Click(hSelect, kIdBrowse);
    HWND hPicker = m_driver.WaitForDialog("Change Folder");
    ASSERT_NE(hPicker, nullptr);
    CGuiDriver::Click(hPicker, kIdCancel);
    ASSERT_TRUE(m_driver.WaitForWindowGone(hPicker));
    EXPECT_STREQ(CGuiDriver::GetControlText(hSelect, kIdLocation), "C:\\windows\\system32");

    CGuiDriver::TypeText(hSelect, kIdLocation, "C:\\windows");
    CGuiDriver::Click(hSelect, kIdBrowse);
    hPicker = m_driver.WaitForDialog("Change Folder");
    ASSERT_NE(hPicker, nullptr);
    CGuiDriver::Click(hPicker, kIdOk);
    ASSERT_TRUE(m_driver.WaitForWindowGone(hPicker));
    EXPECT_EQ(CGuiDriver::GetControlText(hSelect, kIdLocation).CompareNoCase("C:\\windows"), 0);
}

TEST_F(WizardGuiTest, CancelAnsweredNoChangesNothingAndYesEndsOnNotInstalled)
{
    Start("");
    HWND hWelcome = WaitForPage("Welcome");
    ASSERT_NE(hWelcome, nullptr);

    CGuiDriver::Click(hWelcome, kIdCancel);
    ASSERT_TRUE(m_driver.AnswerMessageBox(kSetupTitle, kIdNo));
    EXPECT_TRUE(::IsWindowVisible(hWelcome));
    EXPECT_EQ(m_driver.WaitForDialog(kSetupTitle, kStaticId, kNotInstalledText, 500), nullptr);

    CGuiDriver::Click(hWelcome, kIdCancel);
    ASSERT_TRUE(m_driver.AnswerMessageBox(kSetupTitle, kIdYes));
    HWND hNotInstalled = WaitForPage(kSetupTitle, kNotInstalledText);
    ASSERT_NE(hNotInstalled, nullptr);
    EXPECT_FALSE(::IsWindowVisible(hWelcome));

    CGuiDriver::Click(hNotInstalled, kIdOk);
    EXPECT_EQ(m_setup.WaitForExit(), 0u);
}

TEST_F(WizardGuiTest, ConfirmRemovalCancelsWithoutAQuestion)
{
    Start("/U");
    HWND hConfirm = WaitForPage("Removing Velmo Dvi Plug-in");
    ASSERT_NE(hConfirm, nullptr);
    CGuiDriver::Click(hConfirm, kIdCancel);
    HWND hNotInstalled = WaitForPage(kSetupTitle, kNotInstalledText);
    ASSERT_NE(hNotInstalled, nullptr);
    CGuiDriver::PressKey(hNotInstalled, VK_ESCAPE);
    EXPECT_EQ(m_setup.WaitForExit(), 0u);
}

// The class names of the framework's own windows begin with this.
const char kBackgroundClass[] = "VelmoWnd*";

TEST_F(WizardGuiTest, BackgroundCoversTheScreenBehindTheFirstPage)
{
    Start("");
    HWND hWelcome = WaitForPage("Welcome");
    ASSERT_NE(hWelcome, nullptr);
    HWND hBackground = m_driver.WaitForWindow(kSetupTitle, kBackgroundClass);
    ASSERT_NE(hBackground, nullptr);
    EXPECT_TRUE(::IsZoomed(hBackground));
    const RECT rcClient = CGuiDriver::GetClientRect(hBackground);
    RECT rcWorkArea;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWorkArea, 0);
    EXPECT_GE(rcClient.right, rcWorkArea.right - rcWorkArea.left - 2);
    EXPECT_GE(rcClient.bottom, rcWorkArea.bottom - rcWorkArea.top - 2);
    EXPECT_EQ(::GetWindow(hWelcome, GW_OWNER), hBackground);
    // The page is centred over it, the bar below the page's own controls.
    const RECT rcPage = CGuiDriver::GetWindowRect(hWelcome);
    EXPECT_NEAR((rcPage.left + rcPage.right) / 2, rcClient.right / 2, 2);
    const RECT rcBack = CGuiDriver::GetWindowRect(CGuiDriver::FindControl(hWelcome, kIdBack));
    EXPECT_GT(rcBack.top, rcPage.top + (rcPage.bottom - rcPage.top) * 3 / 4);
}

// A last page (next page -1) ends the wizard on Next, Cancel and Escape.
class LastPageGuiTest : public WizardGuiTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(LastPageGuiTest, EndsTheWizard)
{
    Start("/U");
    HWND hRemoved = WalkToRemoved();
    ASSERT_NE(hRemoved, nullptr);
    EXPECT_TRUE(CGuiDriver::IsEnabled(hRemoved, kIdNext));
    EXPECT_TRUE(CGuiDriver::IsEnabled(hRemoved, kIdBack));
    const int nAction = GetParam();
    if (nAction == VK_ESCAPE)
        CGuiDriver::PressKey(hRemoved, VK_ESCAPE);
    else
        CGuiDriver::Click(hRemoved, nAction);
    EXPECT_EQ(m_setup.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(NextCancelEscape, LastPageGuiTest, ::testing::Values(kIdNext, kIdCancel, VK_ESCAPE));

} // namespace
