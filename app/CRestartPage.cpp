#include "CRestartPage.h"

#include "resource.h"

BOOL CRestartPage::OnCommand(UINT nId)
{
    switch (nId) {
    case IDC_RESTART_NOW:
        OnRestartNow();
        return TRUE;
    case IDC_RESTART_LATER:
        OnOK();
        return TRUE;
    }
    return CWizardPage::OnCommand(nId);
}

// A restart the user's running programs may refuse; then the page stays.
void CRestartPage::OnRestartNow()
{
    HANDLE hToken = nullptr;
    if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken)) {
        TOKEN_PRIVILEGES privileges {};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
            ::AdjustTokenPrivileges(hToken, FALSE, &privileges, 0, nullptr, nullptr);
        ::CloseHandle(hToken);
    }
    if (::ExitWindowsEx(EWX_REBOOT, 0))
        return;
    CString strMessage;
    strMessage.LoadString(IDS_RESTART_REFUSED);
    MessageBox(strMessage, nullptr, MB_OK);
}
