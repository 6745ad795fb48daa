// The error dialog, shown by this program and driven from a second thread
// as a user would: its texts, its collapsed and expanded sizes, its forms.
#include "CXException.h"
#include "ErrorReport.h"
#include "GuiDriver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>

namespace {

const char kCaption[] = "Warning";

// Runs pfnShow (which brings up the dialog and blocks until it is closed)
// on this thread while pfnDrive gets the dialog on another.
void ShowAndDrive(const std::function<void()>& pfnShow, const std::function<void(HWND)>& pfnDrive)
{
    std::thread driver([&pfnDrive] {
        const CGuiDriver driver(::GetCurrentProcessId());
        HWND hDialog = driver.WaitForDialog(kCaption);
        if (hDialog == nullptr) {
            ADD_FAILURE() << "no error dialog";
            return;
        }
        pfnDrive(hDialog);
    });
    pfnShow();
    driver.join();
}

// The client size of so many dialog units of the dialog's font.
SIZE DialogUnits(HWND hDialog, int nWidth, int nHeight)
{
    RECT rc = {0, 0, nWidth, nHeight};
    ::MapDialogRect(hDialog, &rc);
    return {rc.right, rc.bottom};
}

void ExpectClientSize(HWND hDialog, SIZE size)
{
    const RECT rc = CGuiDriver::GetClientRect(hDialog);
    EXPECT_NEAR(rc.right, size.cx, 1);
    EXPECT_NEAR(rc.bottom, size.cy, 1);
}

TEST(ErrorDialogGuiTest, OpensCollapsedAndMoreTogglesTheLowerPart)
{
    std::unique_ptr<CFileException> pError(new CFileException(CFileException::fileNotFound));
    ShowAndDrive([&] { ReportSetupError(IDS_MSG_SETUP_CANNOT_CONTINUE, pError.get()); },
                 [](HWND hDialog) {
                     EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_MESSAGE), "Setup cannot continue");
                     EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_SHORT), "File not found.");
                     EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_INFO), "9.2 (CXFileException)");
                     // The information form: OK only.
                     EXPECT_FALSE(CGuiDriver::IsVisible(hDialog, IDCANCEL));

                     const SIZE sizeCollapsed = DialogUnits(hDialog, 207, 74);
                     const SIZE sizeFull = DialogUnits(hDialog, 207, 162);
                     ExpectClientSize(hDialog, sizeCollapsed);
                     EXPECT_FALSE(CGuiDriver::IsEnabled(hDialog, IDC_ERROR_LONG));
                     EXPECT_FALSE(CGuiDriver::IsEnabled(hDialog, IDC_ERROR_INFO));
                     EXPECT_TRUE(CGuiDriver::IsEnabled(hDialog, IDC_ERROR_MORE));
                     EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_MORE), "&More>>");

                     CGuiDriver::ClickAndWait(hDialog, IDC_ERROR_MORE);
                     ExpectClientSize(hDialog, sizeFull);
                     EXPECT_TRUE(CGuiDriver::IsEnabled(hDialog, IDC_ERROR_LONG));
                     EXPECT_TRUE(CGuiDriver::IsEnabled(hDialog, IDC_ERROR_INFO));
                     EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_MORE), "&More<<");
                     EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_LONG),
                                  "A file required for this operation was not found. This could be because the "
                                  "wrong location for the file was specified, or because the file has been deleted.");

                     CGuiDriver::ClickAndWait(hDialog, IDC_ERROR_MORE);
                     ExpectClientSize(hDialog, sizeCollapsed);
                     EXPECT_FALSE(CGuiDriver::IsEnabled(hDialog, IDC_ERROR_LONG));
                     EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_MORE), "&More>>");

                     // Help has nothing attached.
                     CGuiDriver::ClickAndWait(hDialog, IDC_ERROR_HELP);
                     EXPECT_TRUE(::IsWindowVisible(hDialog));
                     CGuiDriver::Click(hDialog, IDOK);
                 });
}

TEST(ErrorDialogGuiTest, UnknownKindShowsTheGenericTexts)
{
    std::unique_ptr<CException> pError(new CException);
    ShowAndDrive([&] { ReportSetupError(IDS_MSG_SETUP_CANNOT_CONTINUE, pError.get()); },
                 [](HWND hDialog) {
                     EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_SHORT), "An unkown error occured.");
                     EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_INFO), "9.1 (CXException)");
                     CGuiDriver::Click(hDialog, IDOK);
                 });
}

TEST(ErrorDialogGuiTest, QuestionFormIsTrueOnlyForContinue)
{
    struct Case {
        const char* lpszName;
        std::function<void(HWND)> pfnAnswer;
        BOOL bExpected;
    };
    const Case kCases[] = {
        {"Continue", [](HWND h) { CGuiDriver::Click(h, IDOK); }, TRUE},
        {"Cancel", [](HWND h) { CGuiDriver::Click(h, IDCANCEL); }, FALSE},
        {"Escape", [](HWND h) { CGuiDriver::PressKey(CGuiDriver::FindControl(h, IDOK), VK_ESCAPE); }, FALSE},
        {"Close box", [](HWND h) { ::PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); }, FALSE},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.lpszName);
        std::unique_ptr<CFileException> pError(new CFileException(CFileException::diskFull));
        BOOL bAnswer = -1;
        ShowAndDrive([&] { bAnswer = QuerySetupError(IDS_MSG_CANNOT_INSTALL_FROM, pError.get(), "DATA.Z"); },
                     [&c](HWND hDialog) {
                         EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDC_ERROR_MESSAGE),
                                      "Cannot install files from 'DATA.Z':");
                         EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDOK), "Continue Operation");
                         EXPECT_STREQ(CGuiDriver::GetControlText(hDialog, IDCANCEL), "Cancel Operation");
                         EXPECT_TRUE(CGuiDriver::IsVisible(hDialog, IDCANCEL));
                         c.pfnAnswer(hDialog);
                     });
        EXPECT_EQ(bAnswer, c.bExpected);
    }
}

TEST(MessagePumpTest, QuitMessageIsPostedAgainForTheLoop)
{
    ::PostQuitMessage(3);
    ::PostMessageA(nullptr, WM_NULL, 0, 0);
    PumpWaitingMessages();
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

} // namespace
