#include "CSetupApp.h"

#include "CCommandLine.h"
#include "CDestinationMap.h"
#include "CDisketteArray.h"
#include "CFilePath.h"
#include "CGroupMap.h"
#include "CMainWnd.h"
#include "CSourceFileList.h"
#include "CTargetMap.h"
#include "CUserInfo.h"
#include "CWizardPage.h"
#include "ErrorReport.h"
#include "resource.h"

namespace {
const char kLogFileName[] = "Velmopi.log";
const int kWelcomePage = 102;
const int kConfirmRemovalPage = 1545;
// Special folders of CFilePath.
const int kWindowsDirectory = 1;
const int kProgramDirectory = 3;

// The texts of a string-table entry; empty when the entry does not exist.
CString LoadText(UINT nId)
{
    CString strText;
    strText.LoadString(nId);
    return strText;
}
}

CSetupApp::CSetupApp() = default;

CSetupApp::~CSetupApp()
{
    DeleteSharedState();
}

BOOL CSetupApp::InitInstance()
{
    CreateSharedState();
    ParseCommandLine();
    if (!CreateBackgroundWindow())
        return FALSE;
    if (m_bUninstall)
        StartUninstall();
    else
        ShowPage(kWelcomePage);
    return TRUE;
}

void CSetupApp::CreateSharedState()
{
    m_pDestinations = new CDestinationMap;
    m_pGroups = new CGroupMap;
    m_pTargets = new CTargetMap;
    m_pFileList = new CSourceFileList;
    m_pDiskettes = new CDisketteArray;
    m_pUserInfo = new CUserInfo;
    LoadProductTexts();
    FormPaths();
    m_bWriteLog = TRUE;
    SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
}

void CSetupApp::LoadProductTexts()
{
    m_strSetupTitle = LoadText(IDS_SETUP_TITLE);
    m_strGroupName = LoadText(IDS_GROUP_NAME);
    m_strProgramFile = LoadText(IDS_PROGRAM_FILE);
    m_strProductName = LoadText(IDS_PRODUCT_NAME);
}

void CSetupApp::FormPaths()
{
    m_pProfilePath = new CFilePath;
    m_pProfilePath->SetToModulePath();
    m_pProfilePath->SetExtension("ini");
    m_pSourceDir = new CFilePath(kProgramDirectory);
    m_pLogPath = new CFilePath(kWindowsDirectory);
    m_pLogPath->SetFileName(kLogFileName);
}

void CSetupApp::ParseCommandLine()
{
    const CCommandLine commandLine(m_lpCmdLine, '/');
    CString strDirectory;
    if (commandLine.GetOption("D", strDirectory)) {
        m_pSourceDir->SetFullDirectory(strDirectory);
        m_pProfilePath->SetFullDirectory(strDirectory);
    }
    if (commandLine.HasOption("U"))
        m_bUninstall = TRUE;
    if (commandLine.HasOption("B"))
        m_bUnattended = TRUE;
}

void CSetupApp::StartUninstall()
{
    *m_pProfilePath = *m_pLogPath;
    ShowPage(kConfirmRemovalPage);
}

void CSetupApp::SetSourceDirectory(LPCTSTR lpszDirectory)
{
    m_pSourceDir->SetFullDirectory(lpszDirectory);
}

void CSetupApp::SelectGroupsByType(int nType)
{
    m_pGroups->SelectByType(nType);
}

void CSetupApp::SaveSectionsToLog()
{
    m_pDestinations->Save(*m_pLogPath);
    m_pGroups->Save(*m_pLogPath);
    m_pTargets->Save(*m_pLogPath);
}

int CSetupApp::ExitInstance()
{
    DestroyPages();
    ReportFinalStatus();
    DeleteSharedState();
    if (m_bUninstall && m_bSuccess)
        HandOffUninstall();
    return CWinApp::ExitInstance();
}

void CSetupApp::DeleteSharedState()
{
    delete m_pDestinations;
    m_pDestinations = nullptr;
    delete m_pGroups;
    m_pGroups = nullptr;
    delete m_pTargets;
    m_pTargets = nullptr;
    delete m_pFileList;
    m_pFileList = nullptr;
    delete m_pDiskettes;
    m_pDiskettes = nullptr;
    delete m_pProfilePath;
    m_pProfilePath = nullptr;
    delete m_pSourceDir;
    m_pSourceDir = nullptr;
    delete m_pUserInfo;
    m_pUserInfo = nullptr;
    delete m_pLogPath;
    m_pLogPath = nullptr;
}

// Reported with message 9; the message loop goes on.
LRESULT CSetupApp::ProcessWndProcException(CException* e, const MSG*)
{
    ReportSetupError(IDS_MSG_SETUP_CANNOT_CONTINUE, e);
    return 0;
}

// --- Attachment points of the parts that build on start-up and shutdown. ---

// The full-screen background window; its destruction ends the message loop.
BOOL CSetupApp::CreateBackgroundWindow()
{
    CMainWnd* pMainWnd = new CMainWnd;
    if (!pMainWnd->CreateBackground()) {
        delete pMainWnd;
        return FALSE;
    }
    m_pMainWnd = pMainWnd;
    return TRUE;
}

// Shows a wizard page going forward.
void CSetupApp::ShowPage(int nPage)
{
    GoToPage(nPage, FALSE);
}

// Destroys every page the wizard created.
void CSetupApp::DestroyPages()
{
    DestroyAllPages();
}

// Offers the run's outcome to the systems-management hook.
void CSetupApp::ReportFinalStatus()
{
}

// After a successful removal, starts the program that finishes it.
void CSetupApp::HandOffUninstall()
{
}
