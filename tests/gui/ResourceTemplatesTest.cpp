// The dialog templates, icons and page messages as they are compiled into the
// program: every template in every language it must exist in, the same
// controls in both languages, the texts intact (Korean included) and windows
// that the system can create from them.
#include "DialogTemplate.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
const LANGID g_wEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const LANGID g_wKorean = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);

// Every template the program loads; all but the error dialog in both languages.
const int g_aBilingual[] = {
    IDD_WELCOME, IDD_READ_SETUP, IDD_SELECT_DIR, IDD_COPY, IDD_REGISTER, IDD_FINISHED,
    IDD_NOT_INSTALLED, IDD_RESTART, IDD_REMOVE_CONFIRM, IDD_REMOVE_FILES, IDD_UNREGISTER,
    IDD_REMOVED, IDD_BUTTON_BAR, IDD_FOLDER, IDD_INSERT_DISK,
};

std::set<int> ControlIds(const CDialogTemplate& dialog)
{
    std::set<int> ids;
    for (const CTemplateItem& item : dialog.m_items)
        if (item.m_nId != -1)
            ids.insert(item.m_nId);
    return ids;
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT nMessage, WPARAM, LPARAM)
{
    return nMessage == WM_INITDIALOG;
}

// Creates a window from the template exactly as compiled; child templates
// (the button bar) get a hidden popup as parent.
bool CanCreateWindow(int nId, LANGID wLang)
{
    HRSRC hResource = FindResourceExA(nullptr, RT_DIALOG, MAKEINTRESOURCEA(nId), wLang);
    auto* pTemplate = static_cast<LPCDLGTEMPLATEA>(LockResource(LoadResource(nullptr, hResource)));
    HWND hParent = nullptr;
    if (pTemplate->style & WS_CHILD)
        hParent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    HWND hDialog = CreateDialogIndirectParamA(nullptr, pTemplate, hParent, QuietDialogProc, 0);
    bool bCreated = hDialog != nullptr;
    if (hDialog)
        DestroyWindow(hDialog);
    if (hParent)
        DestroyWindow(hParent);
    return bCreated;
}

void ExpectComplete(int nId, LANGID wLang)
{
    SCOPED_TRACE(testing::Message() << "template " << nId << ", language " << std::hex << wLang);
    CDialogTemplate dialog;
    ASSERT_TRUE(dialog.Load(nId, wLang));
    EXPECT_EQ(dialog.m_strFace, L"MS Sans Serif");
    EXPECT_EQ(dialog.m_nPoints, 8);
    for (const CTemplateItem& item : dialog.m_items) {
        if (item.m_nClassAtom != 0x82 || (item.m_dwStyle & SS_TYPEMASK) != SS_ICON)
            continue;
        ASSERT_GT(item.m_nTextOrdinal, 0) << "icon control " << item.m_nId << " names no picture";
        EXPECT_NE(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(item.m_nTextOrdinal),
                             IMAGE_ICON, 32, 32, 0), nullptr)
            << "icon " << item.m_nTextOrdinal;
    }
    EXPECT_TRUE(CanCreateWindow(nId, wLang));
}
} // namespace

TEST(DialogResources, EveryTemplateIsCompleteInItsLanguages)
{
    for (int nId : g_aBilingual) {
        ExpectComplete(nId, g_wEnglish);
        ExpectComplete(nId, g_wKorean);

        CDialogTemplate english, korean;
        ASSERT_TRUE(english.Load(nId, g_wEnglish));
        ASSERT_TRUE(korean.Load(nId, g_wKorean));
        EXPECT_EQ(ControlIds(english), ControlIds(korean)) << "template " << nId;
        EXPECT_EQ(english.m_dwStyle, korean.m_dwStyle) << "template " << nId;
    }
    ExpectComplete(IDD_ERROR, g_wEnglish);
    CDialogTemplate korean;
    EXPECT_FALSE(korean.Load(IDD_ERROR, g_wKorean));
}

TEST(DialogResources, PagesAreOwnedPopupsAndTheBarIsAControlParentChild)
{
    CDialogTemplate bar;
    ASSERT_TRUE(bar.Load(IDD_BUTTON_BAR, g_wEnglish));
    EXPECT_EQ(bar.m_dwStyle & (WS_CHILD | WS_VISIBLE | DS_CONTROL), DWORD(WS_CHILD | WS_VISIBLE | DS_CONTROL));
    const CTemplateItem* pHelp = bar.FindById(IDC_BAR_HELP);
    ASSERT_NE(pHelp, nullptr);
    EXPECT_FALSE(pHelp->m_dwStyle & WS_VISIBLE);
    ASSERT_NE(bar.FindById(IDC_BAR_NEXT), nullptr);
    EXPECT_EQ(bar.FindById(IDC_BAR_NEXT)->m_dwStyle & BS_TYPEMASK, DWORD(BS_DEFPUSHBUTTON));
    // Left to right: Cancel, Back, Next, Help.
    EXPECT_LT(bar.FindById(IDCANCEL)->m_x, bar.FindById(IDC_BAR_BACK)->m_x);
    EXPECT_LT(bar.FindById(IDC_BAR_BACK)->m_x, bar.FindById(IDC_BAR_NEXT)->m_x);
    EXPECT_LT(bar.FindById(IDC_BAR_NEXT)->m_x, pHelp->m_x);

    // A page is a captioned popup with a close box; it shows itself once placed.
    for (int nId : g_aBilingual) {
        if (nId == IDD_BUTTON_BAR)
            continue;
        CDialogTemplate page;
        ASSERT_TRUE(page.Load(nId, g_wEnglish));
        EXPECT_EQ(page.m_dwStyle & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE),
                  DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU)) << "template " << nId;
    }
}

// Texts where windres could go wrong: non-ASCII, backslashes, line breaks,
// double spaces; and positions that differ between the languages.
TEST(DialogResources, TextsAndPlacesArriveIntact)
{
    struct CCase
    {
        int m_nTemplate;
        LANGID m_wLang;
        int m_nId;               // -1: found by position
        short m_x, m_y, m_cx, m_cy;
        const wchar_t* m_pszText;
    };
    const CCase aCases[] = {
        {IDD_WELCOME, g_wKorean, -1, 50, 10, 136, 11, L"Velmo Dvi Plug-in 을 설치합니다."},
        {IDD_WELCOME, g_wKorean, -1, 50, 50, 219, 58,
         L"이 Setup 프로그램은 컴퓨터에 Velmo Dvi Plug-in을 설치할 것입니다. 각 과정에서 제공되는 설명을 참조하면 쉽게 설치를 마칠 수 있습니다.\n\n"
         L"설치 도중 중단하려면 언제든지 [취소] 를 누르십시오.\n\nVelmo Dvi Plug-in 설치를 계속하려면 [다음] 을 누르십시오."},
        {IDD_SELECT_DIR, g_wKorean, -1, 50, 33, 240, 26,
         L"보통 plug-in 폴더의 이름은\n<드라이브명>:\\Program Files\\Netscape\\Navigator\\Program\\plugins 와 같습니다."},
        {IDD_SELECT_DIR, g_wKorean, IDC_LOCATION, 82, 73, 202, 13, L""},
        {IDD_SELECT_DIR, g_wKorean, IDC_BROWSE, 82, 100, 68, 14, L"찾아보기(&r)..."},
        {IDD_SELECT_DIR, g_wEnglish, IDC_BROWSE, 164, 50, 50, 14, L"B&rowse..."},
        {IDD_COPY, g_wKorean, -1, 44, 34, 51, 8, L"복사본 파일:"},
        {IDD_FINISHED, g_wKorean, IDOK, 240, 142, 50, 14, L"종료"},
        {IDD_NOT_INSTALLED, g_wKorean, -1, 50, 33, 240, 28,
         L"Velmo Dvi Plug-in을 사용하려면 다시 설치 프로그램을 실행해야 합니다."},
        {IDD_REMOVE_CONFIRM, g_wEnglish, -1, 50, 35, 240, 58,
         L"If you continue, this Setup program will remove Velmo Dvi Plug-in from your computer. \n\n"
         L"To remove Velmo Dvi Plug-in, choose Next.\n\nTo keep  Velmo Dvi Plug-in, choose Cancel."},
        {IDD_REMOVE_FILES, g_wKorean, -1, 39, 17, 51, 8, L"삭제 파일:"},
        {IDD_UNREGISTER, g_wKorean, -1, 50, 10, 181, 8, L"레지스트리 정보와 글꼴 삭제 중입니다..."},
        {IDD_BUTTON_BAR, g_wKorean, IDC_BAR_BACK, 139, 9, 50, 14, L"< 이전(&B)"},
        {IDD_BUTTON_BAR, g_wKorean, IDC_BAR_NEXT, 189, 9, 50, 14, L"다음(&N) >"},
        {IDD_FOLDER, g_wEnglish, -1, 7, 7, 256, 19,
         L"Enter or select the plug-in folder of Netscape Navigator. Usually it is like\n"
         L"<Drive name>:\\Program Files\\Netscape\\Navigator\\Program\\plugins."},
        {IDD_FOLDER, g_wKorean, IDC_FOLDER_DRIVES, 7, 170, 195, 63, L""},
        {IDD_FOLDER, g_wKorean, IDC_FOLDER_CURRENT_DIR, 7, 182, 256, 13, L""},
        {IDD_FOLDER, g_wKorean, -1, 7, 159, 44, 8, L"드라이브(&v):"},
        {IDD_ERROR, g_wEnglish, IDC_ERROR_MORE, 137, 54, 64, 14, L"&More>>"},
        {IDD_ERROR, g_wEnglish, IDC_ERROR_CORNER, 198, 69, 9, 5, L""},
        {IDD_ERROR, g_wEnglish, IDC_ERROR_SHORT, 5, 31, 125, 37, L"An unspecified error has occurred."},
    };
    for (const CCase& test : aCases) {
        SCOPED_TRACE(testing::Message() << "template " << test.m_nTemplate << ", control "
                                        << test.m_nId << " at " << test.m_x << "," << test.m_y);
        CDialogTemplate dialog;
        ASSERT_TRUE(dialog.Load(test.m_nTemplate, test.m_wLang));
        const CTemplateItem* pItem = test.m_nId == -1 ? dialog.FindByPosition(test.m_x, test.m_y)
                                                      : dialog.FindById(test.m_nId);
        ASSERT_NE(pItem, nullptr);
        EXPECT_EQ(pItem->m_nId, test.m_nId);
        EXPECT_EQ(pItem->m_strText, test.m_pszText);
        EXPECT_EQ(pItem->m_x, test.m_x);
        EXPECT_EQ(pItem->m_y, test.m_y);
        EXPECT_EQ(pItem->m_cx, test.m_cx);
        EXPECT_EQ(pItem->m_cy, test.m_cy);
    }
}

TEST(DialogResources, CaptionsAndSizes)
{
    struct CCase
    {
        int m_nTemplate;
        LANGID m_wLang;
        short m_cx, m_cy;
        const wchar_t* m_pszCaption;
    };
    const CCase aCases[] = {
        {IDD_WELCOME, g_wEnglish, 295, 161, L"Welcome"},
        {IDD_WELCOME, g_wKorean, 295, 161, L"Velmo Dvi Plug-in Setup"},
        {IDD_COPY, g_wEnglish, 387, 109, L"Velmo Dvi Plug-in Setup"},
        {IDD_REMOVE_CONFIRM, g_wKorean, 295, 161, L"Removing Velmo Dvi Plug-in"},
        {IDD_REMOVE_FILES, g_wEnglish, 330, 74, L"Velmo Dvi Plug-in Setup"},
        {IDD_FOLDER, g_wEnglish, 270, 197, L"Change Folder"},
        {IDD_FOLDER, g_wKorean, 270, 202, L"Plug-in 폴더 선택"},
        {IDD_ERROR, g_wEnglish, 207, 162, L"Warning"},
    };
    for (const CCase& test : aCases) {
        CDialogTemplate dialog;
        ASSERT_TRUE(dialog.Load(test.m_nTemplate, test.m_wLang)) << test.m_nTemplate;
        EXPECT_EQ(dialog.m_strCaption, test.m_pszCaption) << test.m_nTemplate;
        EXPECT_EQ(dialog.m_cx, test.m_cx) << test.m_nTemplate;
        EXPECT_EQ(dialog.m_cy, test.m_cy) << test.m_nTemplate;
    }
}

// The page messages share a string block with the product texts that live in
// another file: both halves must be there.
TEST(StringResources, PageMessagesBesideTheProductTexts)
{
    struct CCase
    {
        UINT m_nId;
        const char* m_pszText;
    };
    const CCase aCases[] = {
        {IDS_SETUP_TITLE, "Velmo Dvi Plug-in Setup"},
        {IDS_CONFIRM_CANCEL, "Velmo Dvi Plug-in  installation not complete. Do you really want to exit Setup?"},
        {IDS_CANNOT_CREATE_DIRECTORY, "Cannot Create Directory"},
        {IDS_MSG_SETUP_CANNOT_CONTINUE, "Setup cannot continue"},
        {IDS_RESTART_REFUSED,
         "Windows could not shut down all running applications. \n\n Please close them manually, then try again."},
        {IDS_EMPTY_PATH, "The path can not be empty.  Please enter a path."},
    };
    for (const CCase& test : aCases) {
        char szText[256] = "";
        LoadStringA(GetModuleHandleA(nullptr), test.m_nId, szText, sizeof szText);
        EXPECT_STREQ(szText, test.m_pszText) << "string " << test.m_nId;
    }
}
