// The program on a Korean system (run with a Korean locale): the ANSI dialog
// functions the program uses pick the Korean templates, and their texts read
// back intact both as Unicode and in the system's Korean code page. Message
// boxes stay English: the string table has no Korean variant.
#include "resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
INT_PTR CALLBACK QuietDialogProc(HWND, UINT nMessage, WPARAM, LPARAM)
{
    return nMessage == WM_INITDIALOG;
}

std::vector<std::wstring> ChildTexts(HWND hWnd)
{
    std::vector<std::wstring> texts;
    for (HWND hChild = GetWindow(hWnd, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        wchar_t szText[512] = L"";
        GetWindowTextW(hChild, szText, 512);
        texts.push_back(szText);
    }
    return texts;
}

std::string InAnsiCodePage(const std::wstring& strText)
{
    char szText[512] = "";
    WideCharToMultiByte(CP_ACP, 0, strText.c_str(), -1, szText, sizeof szText, nullptr, nullptr);
    return szText;
}

class KoreanSystem : public testing::Test
{
protected:
    void SetUp() override
    {
        // Without a Korean locale every other check here would test English.
        ASSERT_EQ(GetUserDefaultUILanguage(), MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN));
        ASSERT_EQ(GetACP(), 949u);
    }
};
} // namespace

TEST_F(KoreanSystem, PagesAndBarShowTheKoreanTexts)
{
    HWND hPage = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_WELCOME), nullptr,
                                    QuietDialogProc, 0);
    ASSERT_NE(hPage, nullptr);
    HWND hBar = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_BUTTON_BAR), hPage,
                                   QuietDialogProc, 0);
    ASSERT_NE(hBar, nullptr);

    const std::wstring strHeading = L"Velmo Dvi Plug-in 을 설치합니다.";
    std::vector<std::wstring> texts = ChildTexts(hPage);
    EXPECT_NE(std::find(texts.begin(), texts.end(), strHeading), texts.end());

    // The program reads and writes texts through the ANSI functions.
    bool bFoundAnsi = false;
    for (HWND hChild = GetWindow(hPage, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        char szText[512] = "";
        GetWindowTextA(hChild, szText, sizeof szText);
        bFoundAnsi |= InAnsiCodePage(strHeading) == szText;
    }
    EXPECT_TRUE(bFoundAnsi);

    struct CCase
    {
        int m_nId;
        const wchar_t* m_pszText;
    };
    const CCase aBar[] = {
        {IDCANCEL, L"취소"},
        {IDC_BAR_BACK, L"< 이전(&B)"},
        {IDC_BAR_NEXT, L"다음(&N) >"},
        {IDC_BAR_HELP, L"도움말(&H)"},
    };
    for (const CCase& test : aBar) {
        wchar_t szText[64] = L"";
        GetDlgItemTextW(hBar, test.m_nId, szText, 64);
        EXPECT_STREQ(szText, test.m_pszText) << "bar control " << test.m_nId;
    }
    DestroyWindow(hPage);
}

TEST_F(KoreanSystem, FolderPickerCaptionAndMessagesStayEnglish)
{
    HWND hFolder = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FOLDER), nullptr,
                                      QuietDialogProc, 0);
    ASSERT_NE(hFolder, nullptr);
    char szCaption[64] = "";
    GetWindowTextA(hFolder, szCaption, sizeof szCaption);
    EXPECT_EQ(std::string(szCaption), InAnsiCodePage(L"Plug-in 폴더 선택"));
    DestroyWindow(hFolder);

    char szText[256] = "";
    LoadStringA(GetModuleHandleA(nullptr), IDS_CONFIRM_CANCEL, szText, sizeof szText);
    EXPECT_STREQ(szText, "Velmo Dvi Plug-in  installation not complete. Do you really want to exit Setup?");
}
