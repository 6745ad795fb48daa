// The diskette prompt and the folder picker, shown by the test program
// itself (the source locator and ChooseFolder run on the main thread, as in
// setup.exe) and driven from a second thread as a user would. The machine
// has a diskette drive A: (with-diskette-drive.sh).
#include "CFolderDialog.h"
#include "GuiDriver.h"
#include "LocateSourceFile.h"
#include "MediaFixture.h"

#include <functional>
#include <thread>

namespace {

const char kPromptCaption[] = "Insert Disk";
const char kPickerCaption[] = "Change Folder";
const int kIdOk = 1;
const int kIdCancel = 2;
const int kIdBrowse = 3;
const int kIdDirectory = 1001;
const int kIdRequest = 1026;
const int kIdExplanation = 1033;
const int kIdPath = 1002;
const int kIdPathLabel = 1034;
const int kIdCurrentDir = 1088;
const int kIdFolderList = 1121;
const int kStaticId = 0xFFFF;

CString Explanation(LPCTSTR lpszExpected)
{
    CString strText;
    strText.Format("Setup cannot find the file '%s' on the drive and directory specified below. Please insert the "
                   "specified diskette in this drive. If the files can be found in a different location, type the "
                   "location below or pick with Browse.",
                   lpszExpected);
    return strText;
}

BOOL CALLBACK CancelDialog(HWND hWnd, LPARAM)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (::IsWindowVisible(hWnd) && lstrcmpA(szClass, "#32770") == 0)
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

class SourceMediaGuiTest : public MediaFixture
{
protected:
    // Runs fnModal here and fnUser on a second thread. Dialogs the user's
    // steps leave open are cancelled, so a failing step cannot hang the test.
    void RunAsUser(const std::function<void()>& fnModal, const std::function<void()>& fnUser)
    {
        const DWORD dwThreadId = ::GetCurrentThreadId();
        std::thread user([&] {
            fnUser();
            for (int nRound = 0; nRound < 20; nRound++) {
                ::EnumThreadWindows(dwThreadId, CancelDialog, 0);
                ::Sleep(100);
            }
        });
        fnModal();
        user.join();
    }

    HWND WaitForDialog(LPCTSTR lpszCaption) const { return m_driver.WaitForDialog(lpszCaption); }

    // The folder list's item for a folder name (the list shows "[name]").
    static int FindFolderItem(HWND hPicker, LPCTSTR lpszName)
    {
        HWND hList = CGuiDriver::FindControl(hPicker, kIdFolderList);
        CString strWanted;
        strWanted.Format("[%s]", lpszName);
        const int nCount = static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
        for (int nItem = 0; nItem < nCount; nItem++) {
            char szItem[MAX_PATH] = "";
            ::SendMessageA(hList, LB_GETTEXT, nItem, reinterpret_cast<LPARAM>(szItem));
            if (lstrcmpiA(szItem, strWanted) == 0)
                return nItem;
        }
        return -1;
    }
    // Opens a folder of the list as a double click does.
    static void OpenFolder(HWND hPicker, LPCTSTR lpszName)
    {
        const int nItem = FindFolderItem(hPicker, lpszName);
        ASSERT_GE(nItem, 0) << lpszName;
        HWND hList = CGuiDriver::FindControl(hPicker, kIdFolderList);
        ::SendMessageA(hList, LB_SETCURSEL, nItem, 0);
        ::SendMessageA(hPicker, WM_COMMAND, MAKEWPARAM(kIdFolderList, LBN_DBLCLK),
                       reinterpret_cast<LPARAM>(hList));
    }

    CGuiDriver m_driver {::GetCurrentProcessId()};
};

} // namespace

TEST_F(SourceMediaGuiTest, PromptAsksForTheDisketteByLabelOrNumber)
{
    SetSourceDirectory("A:\\");
    struct {
        const char* label;  // null: the profile gives none
        const char* request;
    } cases[] = {
        {nullptr, "Please insert diskette 2 in drive A:"},
        {"Velmo Dvi Plug-in Disk 2", "Please insert the diskette labelled 'Velmo Dvi Plug-in Disk 2' in drive A:"},
    };
    for (const auto& c : cases) {
        if (c.label != nullptr)
            m_app.m_pDiskettes->LoadRecord("2", CString(c.label) + "|");
        BOOL bLocated = TRUE;
        RunAsUser([&] { bLocated = LocateSourceFile("DATA.Z02", 2); },
                  [&] {
                      HWND hPrompt = WaitForDialog(kPromptCaption);
                      ASSERT_NE(hPrompt, nullptr);
                      EXPECT_STREQ(CGuiDriver::GetControlText(hPrompt, kIdRequest), c.request);
                      EXPECT_STREQ(CGuiDriver::GetControlText(hPrompt, kIdExplanation), Explanation("A:\\DATA.Z02"));
                      EXPECT_STREQ(CGuiDriver::GetControlText(hPrompt, kIdDirectory), "A:\\");
                      CGuiDriver::Click(hPrompt, kIdCancel);
                      EXPECT_TRUE(m_driver.WaitForWindowGone(hPrompt));
                  });
        EXPECT_FALSE(bLocated);
        EXPECT_STREQ(SourceDirectory(), "A:\\");
    }
}

TEST_F(SourceMediaGuiTest, OkWaitsUntilTheFileIsInTheDirectory)
{
    MakeDirectory("C:\\ELSEWHERE");
    SetSourceDirectory("A:\\");
    BOOL bLocated = FALSE;
    RunAsUser([&] { bLocated = LocateSourceFile("DATA.Z02", 2); },
              [&] {
                  HWND hPrompt = WaitForDialog(kPromptCaption);
                  ASSERT_NE(hPrompt, nullptr);
                  // The diskette is not in the drive yet, and the other
                  // directory does not hold the file either.
                  for (const char* pszDirectory : {"A:\\", "C:\\ELSEWHERE", "C:\\NOWHERE", ""}) {
                      CGuiDriver::TypeText(hPrompt, kIdDirectory, pszDirectory);
                      CGuiDriver::Click(hPrompt, kIdOk);
                      EXPECT_FALSE(m_driver.WaitForWindowGone(hPrompt, 500)) << pszDirectory;
                  }
                  // The user inserts the diskette.
                  MakeFile("A:\\DATA.Z02");
                  CGuiDriver::TypeText(hPrompt, kIdDirectory, "A:\\");
                  CGuiDriver::Click(hPrompt, kIdOk);
                  EXPECT_TRUE(m_driver.WaitForWindowGone(hPrompt));
              });
    EXPECT_TRUE(bLocated);
    EXPECT_STREQ(SourceDirectory(), "A:\\");
}

TEST_F(SourceMediaGuiTest, ADirectoryTypedInThePromptServesTheLaterFiles)
{
    MakeFile("C:\\MEDIA\\DISK2\\DATA.Z02");
    MakeFile("C:\\MEDIA\\DISK2\\FONTS.Z02");
    SetSourceDirectory("A:\\");
    BOOL bLocated = FALSE;
    RunAsUser([&] { bLocated = LocateSourceFile("DATA.Z02", 2); },
              [&] {
                  HWND hPrompt = WaitForDialog(kPromptCaption);
                  ASSERT_NE(hPrompt, nullptr);
                  CGuiDriver::TypeText(hPrompt, kIdDirectory, "C:\\MEDIA\\DISK2");
                  CGuiDriver::Click(hPrompt, kIdOk);
                  EXPECT_TRUE(m_driver.WaitForWindowGone(hPrompt));
              });
    EXPECT_TRUE(bLocated);
    EXPECT_STREQ(SourceDirectory(), "C:\\MEDIA\\DISK2\\");
    // Found there at once: no prompt comes up.
    EXPECT_TRUE(LocateSourceFile("FONTS.Z02", 2));
}

TEST_F(SourceMediaGuiTest, BrowseFillsTheDirectoryWithTheFolderPicked)
{
    MakeFile("A:\\DISK2\\DATA.Z02");
    SetSourceDirectory("A:\\");
    BOOL bLocated = FALSE;
    RunAsUser([&] { bLocated = LocateSourceFile("DATA.Z02", 2); },
              [&] {
                  HWND hPrompt = WaitForDialog(kPromptCaption);
                  ASSERT_NE(hPrompt, nullptr);
                  CGuiDriver::Click(hPrompt, kIdBrowse);
                  HWND hPicker = WaitForDialog(kPickerCaption);
                  ASSERT_NE(hPicker, nullptr);
                  // The label form: no edit, and no path until a folder is chosen.
                  EXPECT_FALSE(CGuiDriver::IsVisible(hPicker, kIdPath));
                  EXPECT_TRUE(CGuiDriver::IsVisible(hPicker, kIdPathLabel));
                  EXPECT_STREQ(CGuiDriver::GetControlText(hPicker, kIdPathLabel), "");
                  EXPECT_STREQ(CGuiDriver::GetControlText(hPicker, kIdCurrentDir), "a:\\");
                  OpenFolder(hPicker, "disk2");
                  EXPECT_STREQ(CGuiDriver::GetControlText(hPicker, kIdPathLabel), "a:\\disk2");
                  CGuiDriver::Click(hPicker, kIdOk);
                  EXPECT_TRUE(m_driver.WaitForWindowGone(hPicker));
                  EXPECT_STREQ(CGuiDriver::GetControlText(hPrompt, kIdDirectory), "a:\\disk2");
                  CGuiDriver::Click(hPrompt, kIdOk);
                  EXPECT_TRUE(m_driver.WaitForWindowGone(hPrompt));
              });
    EXPECT_TRUE(bLocated);
    EXPECT_STREQ(SourceDirectory(), "a:\\disk2\\");
}

class FolderPickerGuiTest : public SourceMediaGuiTest
{
protected:
    // ChooseFolder on lpszPath (editable) with fnUser at the keyboard; the
    // path as it is afterwards.
    CString ChooseFolder(LPCTSTR lpszPath, const std::function<void(HWND)>& fnUser)
    {
        CString strPath(lpszPath);
        RunAsUser([&] { CFolderDialog(nullptr).ChooseFolder(strPath, TRUE); },
                  [&] {
                      HWND hPicker = WaitForDialog(kPickerCaption);
                      ASSERT_NE(hPicker, nullptr);
                      fnUser(hPicker);
                      EXPECT_TRUE(m_driver.WaitForWindowGone(hPicker));
                  });
        return strPath;
    }
};

TEST_F(FolderPickerGuiTest, StartsInTheDeepestFolderThatExistsAndOkKeepsThePath)
{
    MakeDirectory("C:\\Program Files");
    const char kPlugins[] = "C:\\Program Files\\Netscape\\Navigator\\Program\\plugins";
    const CString strPath = ChooseFolder(kPlugins, [&](HWND hPicker) {
        EXPECT_STREQ(CGuiDriver::GetControlText(hPicker, kIdCurrentDir), "c:\\program files");
        EXPECT_TRUE(CGuiDriver::IsVisible(hPicker, kIdPath));
        EXPECT_FALSE(CGuiDriver::IsVisible(hPicker, kIdPathLabel));
        EXPECT_FALSE(CGuiDriver::IsVisible(hPicker, kIdCurrentDir));
        EXPECT_STREQ(CGuiDriver::GetControlText(hPicker, kIdPath), kPlugins);
        CGuiDriver::Click(hPicker, kIdOk);
    });
    EXPECT_STREQ(strPath, kPlugins);
}

TEST_F(FolderPickerGuiTest, AnOpenedFolderIsHandedBackOnOkButNotOnCancel)
{
    MakeDirectory("C:\\PICK\\ONE");
    for (int nButton : {kIdOk, kIdCancel}) {
        const CString strPath = ChooseFolder("C:\\PICK", [&](HWND hPicker) {
            OpenFolder(hPicker, "one");
            EXPECT_STREQ(CGuiDriver::GetControlText(hPicker, kIdPath), "c:\\pick\\one");
            CGuiDriver::Click(hPicker, nButton);
        });
        EXPECT_STREQ(strPath, nButton == kIdOk ? "c:\\pick\\one" : "C:\\PICK");
    }
}

TEST_F(FolderPickerGuiTest, APathThatCannotBeEnteredAtAllStartsInTheCurrentFolder)
{
    MakeDirectory("C:\\PICK");
    ASSERT_TRUE(::SetCurrentDirectoryA("C:\\PICK"));
    // A drive that does not exist, and a path without a drive letter.
    for (const char* pszPath : {"Q:\\NOWHERE\\DEEPER", "NODRIVE\\FOLDER"}) {
        const CString strPath = ChooseFolder(pszPath, [&](HWND hPicker) {
            EXPECT_STREQ(CGuiDriver::GetControlText(hPicker, kIdCurrentDir), "c:\\pick") << pszPath;
            EXPECT_STREQ(CGuiDriver::GetControlText(hPicker, kIdPath), pszPath);
            CGuiDriver::Click(hPicker, kIdOk);
        });
        EXPECT_STREQ(strPath, pszPath);
    }
}

TEST_F(FolderPickerGuiTest, AnEmptyPathIsRefusedWithMessage27)
{
    const char kEmptyPath[] = "The path can not be empty.  Please enter a path.";
    // On entry: the message instead of the dialog.
    CString strPath;
    RunAsUser([&] { CFolderDialog(nullptr).ChooseFolder(strPath, TRUE); },
              [&] {
                  HWND hBox = m_driver.WaitForDialog("", kStaticId, kEmptyPath);
                  ASSERT_NE(hBox, nullptr);
                  EXPECT_EQ(m_driver.WaitForDialog(kPickerCaption, 0, nullptr, 0), nullptr);
                  CGuiDriver::Click(hBox, kIdOk);
                  EXPECT_TRUE(m_driver.WaitForWindowGone(hBox));
              });
    EXPECT_STREQ(strPath, "");

    // On OK: the message, and the dialog stays.
    MakeDirectory("C:\\PICK");
    strPath = ChooseFolder("C:\\PICK", [&](HWND hPicker) {
        CGuiDriver::TypeText(hPicker, kIdPath, "");
        CGuiDriver::Click(hPicker, kIdOk);
        HWND hBox = m_driver.WaitForDialog("", kStaticId, kEmptyPath);
        ASSERT_NE(hBox, nullptr);
        CGuiDriver::Click(hBox, kIdOk);
        EXPECT_TRUE(m_driver.WaitForWindowGone(hBox));
        EXPECT_FALSE(m_driver.WaitForWindowGone(hPicker, 500));
        CGuiDriver::TypeText(hPicker, kIdPath, "C:\\TYPED\\AS IS");
        CGuiDriver::Click(hPicker, kIdOk);
    });
    EXPECT_STREQ(strPath, "C:\\TYPED\\AS IS");
}
