#include "CFolderDialog.h"

#include "CFilePath.h"
#include "resource.h"

namespace {
// The hidden file name: always an acceptable name, so OK ends the dialog.
const char kFileName[] = "jet.jet";
const char kFilter[] = "AllFiles (*.*) | *.* ||";

// The caption of a dialog template of ours (in the language the dialog
// manager picks). The file dialog writes its own title ("Save As") over the
// template's; handing it ours back keeps "Change Folder".
CString LoadTemplateCaption(UINT nIdTemplate)
{
    HINSTANCE hInstance = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInstance, MAKEINTRESOURCEA(nIdTemplate), MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInstance, hResource) : nullptr;
    const BYTE* pTemplate = hTemplate != nullptr ? static_cast<const BYTE*>(::LockResource(hTemplate)) : nullptr;
    if (pTemplate == nullptr)
        return CString();
    // The fixed part: a DIALOG header, or the longer DIALOGEX one (version
    // 1, signature 0xFFFF). Then the menu and the class (each empty, an
    // ordinal or a string), then the caption.
    const WORD* pHeader = reinterpret_cast<const WORD*>(pTemplate);
    const bool bExtended = pHeader[0] == 1 && pHeader[1] == 0xFFFF;
    const int nHeaderSize = bExtended ? 26 : static_cast<int>(sizeof(DLGTEMPLATE));
    const WORD* pWord = reinterpret_cast<const WORD*>(pTemplate + nHeaderSize);
    for (int nField = 0; nField < 2; nField++) {
        if (*pWord == 0xFFFF)
            pWord += 2;
        else
            pWord += ::lstrlenW(reinterpret_cast<LPCWSTR>(pWord)) + 1;
    }
    LPCWSTR pszCaption = reinterpret_cast<LPCWSTR>(pWord);
    const int nLength = ::WideCharToMultiByte(CP_ACP, 0, pszCaption, -1, nullptr, 0, nullptr, nullptr);
    CString strCaption;
    ::WideCharToMultiByte(CP_ACP, 0, pszCaption, -1, strCaption.GetBuffer(nLength), nLength, nullptr, nullptr);
    strCaption.ReleaseBuffer();
    return strCaption;
}
}

IMPLEMENT_DYNAMIC(CFolderDialog, CFileDialog)

CFolderDialog::CFolderDialog(CWnd* pParentWnd)
    : CFileDialog(FALSE, nullptr, kFileName, OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_ENABLETEMPLATE, kFilter,
                  pParentWnd)
{
    m_ofn.Flags &= ~OFN_EXPLORER;
    m_ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_FOLDER);
}

void CFolderDialog::ChooseFolder(CString& strPath, BOOL bEditable)
{
    if (strPath.IsEmpty()) {
        ShowEmptyPathMessage();
        return;
    }
    // Start in the deepest folder of the path that can be entered. Walking
    // up stops at the root; when not even that can be entered (no such
    // drive, or no drive letter at all) the dialog starts in the current
    // folder instead of walking for ever.
    CFilePath startFolder;
    startFolder.SetFullDirectory(strPath);
    for (;;) {
        if (startFolder.ChangeToDirectory()) {
            m_strStartFolder = startFolder.GetPath();
            break;
        }
        const CString strBefore = startFolder.GetPath();
        startFolder.RemoveLastDirectory();
        if (startFolder.GetPath() == strBefore) {
            m_strStartFolder = CFilePath(0).GetPath();
            break;
        }
    }
    m_strPath = strPath;
    m_bEditable = bEditable;
    m_ofn.lpstrInitialDir = m_strStartFolder;
    m_strCaption = LoadTemplateCaption(IDD_FOLDER);
    m_ofn.lpstrTitle = m_strCaption.IsEmpty() ? nullptr : static_cast<LPCTSTR>(m_strCaption);
    if (DoModal() == IDOK)
        strPath = m_strPath;
}

BOOL CFolderDialog::OnInitDialog()
{
    // The dialog has already written its start folder into 1088; keep it
    // rather than blank it with the field's empty text.
    m_strCurrentDir = GetDlgItemText(IDC_FOLDER_CURRENT_DIR);
    CFileDialog::OnInitDialog();
    // Out of sight, but still where the dialog writes the folder it shows.
    ::MoveWindow(GetDlgItem(IDC_FOLDER_CURRENT_DIR), 0, 150, 800, 20, TRUE);
    ::ShowWindow(GetDlgItem(IDC_FOLDER_PATH), m_bEditable ? SW_SHOW : SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_FOLDER_PATH_LABEL), m_bEditable ? SW_HIDE : SW_SHOW);
    CenterWindow();
    UpdateData(FALSE);
    m_bInitialized = TRUE;
    return TRUE;
}

void CFolderDialog::OnLBSelChangedNotify(UINT, UINT, UINT)
{
    if (!m_bInitialized)
        return;
    UpdateData(TRUE);
    m_strPath = m_strCurrentDir;
    m_strPathLabel = m_strCurrentDir;
    UpdateData(FALSE);
}

void CFolderDialog::OnOK()
{
    UpdateData(TRUE);
    if (m_strPath.IsEmpty()) {
        ShowEmptyPathMessage();
        return;
    }
    CFileDialog::OnOK();
}

void CFolderDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_FOLDER_CURRENT_DIR, m_strCurrentDir);
    DDX_Text(pDX, IDC_FOLDER_PATH, m_strPath);
    DDX_Text(pDX, IDC_FOLDER_PATH_LABEL, m_strPathLabel);
}

void CFolderDialog::ShowEmptyPathMessage()
{
    CString strMessage;
    strMessage.LoadString(IDS_EMPTY_PATH);
    MessageBox(strMessage, nullptr, MB_OK);
}
