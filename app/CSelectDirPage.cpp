#include "CSelectDirPage.h"

#include "CDestinationMap.h"
#include "CDriveIterator.h"
#include "CFilePath.h"
#include "CFolderDialog.h"
#include "CSetupApp.h"
#include "resource.h"

namespace {
const char kPluginsUnderBrowser[] = "Program Files\\Netscape\\Navigator\\Program\\plugins";
const char kBrowserAppPath[] = "software\\microsoft\\windows\\currentversion\\app paths\\netscape.exe";
const char kInstallFolder[] = "Velmopi";
const int kInstallTypeTypical = 2;
}

void CSelectDirPage::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LOCATION, m_strLocation);
}

BOOL CSelectDirPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    m_strLocation = SuggestLocation();
    UpdateData(FALSE);
    return TRUE;
}

BOOL CSelectDirPage::OnCommand(UINT nId)
{
    switch (nId) {
    case IDC_BROWSE:
        OnBrowse();
        return TRUE;
    }
    return CWizardPage::OnCommand(nId);
}

// What the user typed is where the picker starts; on OK it is replaced.
void CSelectDirPage::OnBrowse()
{
    UpdateData(TRUE);
    CFolderDialog dialog(this);
    dialog.ChooseFolder(m_strLocation, TRUE);
    UpdateData(FALSE);
}

CString CSelectDirPage::SuggestLocation()
{
    CFilePath suggestion;
    CDriveIterator drives;
    if (drives.FindFixed()) {
        suggestion.SetDrive(drives.GetLetter());
        suggestion.SetDirectory(kPluginsUnderBrowser);
    }
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kBrowserAppPath, 0, KEY_READ, &hKey) == ERROR_SUCCESS) {
        char szBrowser[499] = "";
        DWORD dwSize = sizeof szBrowser - 1;
        DWORD dwType = 0;
        if (::RegQueryValueExA(hKey, nullptr, nullptr, &dwType, reinterpret_cast<BYTE*>(szBrowser), &dwSize) ==
                ERROR_SUCCESS &&
            (dwType == REG_SZ || dwType == REG_EXPAND_SZ)) {
            szBrowser[dwSize < sizeof szBrowser ? dwSize : sizeof szBrowser - 1] = '\0';
            suggestion = szBrowser;
            suggestion.SetFileName("");
            suggestion.AppendDirectory("plugins");
        }
        ::RegCloseKey(hKey);
    }
    CString strLocation;
    suggestion.GetDriveAndDirectory(strLocation);
    return strLocation;
}

void CSelectDirPage::OnOK()
{
    UpdateData(TRUE);
    CFilePath installFolder;
    installFolder.SetFullDirectory(m_strLocation);
    installFolder.AppendDirectory(kInstallFolder);
    if (!installFolder.DirectoryExists() && !installFolder.CreateDirectories(TRUE)) {
        CString strMessage;
        strMessage.LoadString(IDS_CANNOT_CREATE_DIRECTORY);
        MessageBox(strMessage, nullptr, MB_OK);
        return;
    }
    CSetupApp* pApp = GetSetupApp();
    pApp->m_pDestinations->SetPath(0, installFolder.GetPath());
    pApp->m_pDestinations->ResolveAll();
    GoToPage(m_nNextPage, FALSE);
    pApp->SelectGroupsByType(kInstallTypeTypical);
}
