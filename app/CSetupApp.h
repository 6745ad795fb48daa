// The setup program's application object: holds the product texts, the modes,
// the collections of the install profile, the three paths and the run flags
// that every page and engine of the installer shares.
#pragma once

#include "CWinApp.h"
#include "CString.h"

class CDestinationMap;
class CGroupMap;
class CTargetMap;
class CSourceFileList;
class CDisketteArray;
class CFilePath;
class CUserInfo;

class CSetupApp : public CWinApp
{
public:
    CSetupApp();
    ~CSetupApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override;

    // Reads /D, /U and /B from m_lpCmdLine into the paths and modes.
    void ParseCommandLine();
    // Uninstall mode: every section is read back from the install log.
    void StartUninstall();
    // The user named another location of the source files.
    void SetSourceDirectory(LPCTSTR lpszDirectory);
    // Marks the groups of a setup type: 0 none, 1 to 3 by the groups' own
    // flags, 4 all.
    void SelectGroupsByType(int nType);
    // Writes "destinations", "groups" and "targets", in this order, into the
    // install log.
    void SaveSectionsToLog();
    CFilePath* GetLogPath() const { return m_pLogPath; }

    CString m_strSetupTitle;
    CString m_strGroupName;
    CString m_strProductName;
    CString m_strProgramFile;
    BOOL m_bUninstall = FALSE;
    CDestinationMap* m_pDestinations = nullptr;
    CGroupMap* m_pGroups = nullptr;
    CTargetMap* m_pTargets = nullptr;
    CSourceFileList* m_pFileList = nullptr;
    CDisketteArray* m_pDiskettes = nullptr;
    CFilePath* m_pProfilePath = nullptr;
    CFilePath* m_pSourceDir = nullptr;
    CUserInfo* m_pUserInfo = nullptr;
    CFilePath* m_pLogPath = nullptr;
    BOOL m_bWriteLog = FALSE;
    BOOL m_bSuccess = TRUE;
    BOOL m_bUnattended = FALSE;
    BOOL m_bRestartNeeded = FALSE;

private:
    void CreateSharedState();
    void LoadProductTexts();
    void FormPaths();
    void DeleteSharedState();

    // Where the window, the wizard, the status report and the uninstall
    // hand-off are attached.
    BOOL CreateBackgroundWindow();
    void ShowPage(int nPage);
    void DestroyPages();
    void ReportFinalStatus();
    void HandOffUninstall();
};

// The application object of this process.
inline CSetupApp* GetSetupApp()
{
    return static_cast<CSetupApp*>(AfxGetApp());
}
