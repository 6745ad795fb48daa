// Start-up and shutdown of the application object, run in this test program
// (whose string table is the setup program's own).
#include "CFilePath.h"
#include "CSetupApp.h"

#include <gtest/gtest.h>

namespace {

CString PathOf(const CFilePath* pPath)
{
    return pPath->GetPath();
}

CString ProgramPathWithExtension(LPCTSTR lpszExtension)
{
    CFilePath path;
    path.SetToModulePath();
    path.SetExtension(lpszExtension);
    return path.GetPath();
}

// Runs start-up with a command line: the shared state, the background window
// and the first page (in uninstall mode the profile is then the install log).
struct StartedApp {
    explicit StartedApp(const char* lpszCommandLine) : m_strCommandLine(lpszCommandLine)
    {
        m_app.m_lpCmdLine = m_strCommandLine.GetBuffer(0);
        m_app.InitInstance();
    }
    CString m_strCommandLine;
    CSetupApp m_app;
};

TEST(SetupApp, StartUpFormsTextsPathsAndFlags)
{
    StartedApp started("");
    const CSetupApp& app = started.m_app;

    EXPECT_STREQ(app.m_strSetupTitle, "Velmo Dvi Plug-in Setup");
    EXPECT_STREQ(app.m_strProductName, "Velmo Dvi Plug-in");
    EXPECT_STREQ(app.m_strGroupName, "");    // strings 6 and 21 are not defined
    EXPECT_STREQ(app.m_strProgramFile, "");

    EXPECT_STREQ(PathOf(app.m_pProfilePath), ProgramPathWithExtension("ini"));
    EXPECT_STREQ(PathOf(app.m_pSourceDir), CFilePath(3).GetPath());
    CFilePath expectedLog(1);
    expectedLog.SetFileName("Velmopi.log");
    EXPECT_STREQ(PathOf(app.m_pLogPath), expectedLog.GetPath());
    EXPECT_EQ(app.GetLogPath(), app.m_pLogPath);

    EXPECT_NE(app.m_pDestinations, nullptr);
    EXPECT_NE(app.m_pGroups, nullptr);
    EXPECT_NE(app.m_pTargets, nullptr);
    EXPECT_NE(app.m_pFileList, nullptr);
    EXPECT_NE(app.m_pDiskettes, nullptr);
    EXPECT_NE(app.m_pUserInfo, nullptr);

    EXPECT_TRUE(app.m_bWriteLog);
    EXPECT_TRUE(app.m_bSuccess);
    EXPECT_FALSE(app.m_bUninstall);
    EXPECT_FALSE(app.m_bUnattended);
    EXPECT_FALSE(app.m_bRestartNeeded);
    EXPECT_EQ(app.m_crDialogBack, RGB(192, 192, 192));
    EXPECT_EQ(app.m_crDialogText, RGB(0, 0, 0));
    EXPECT_EQ(AfxGetApp(), &app);
}

struct CommandLineCase {
    const char* commandLine;
    BOOL bUninstall;
    BOOL bUnattended;
    const char* sourceDir;   // null: the program's directory
};

const CommandLineCase kCommandLineCases[] = {
    {"", FALSE, FALSE, nullptr},
    {"/D:E:\\DISK1", FALSE, FALSE, "E:\\DISK1\\"},
    {"/D:E:\\DISK1\\", FALSE, FALSE, "E:\\DISK1\\"},
    {"/D:E:\\A:B", FALSE, FALSE, "E:\\A:B\\"},
    {"/Dc:\\x", FALSE, FALSE, nullptr},
    {"/U /PP:C:\\WINDOWS\\SETUP.ini", TRUE, FALSE, nullptr},
    {"/UB", TRUE, FALSE, nullptr},
    {"/U /B", TRUE, TRUE, nullptr},
    {"/B", FALSE, TRUE, nullptr},
    {"/u /b", FALSE, FALSE, nullptr},
    {"/ stray /D:C:\\SRC words", FALSE, FALSE, "C:\\SRC\\"},
};

TEST(SetupApp, CommandLineSetsModesAndSourceDirectory)
{
    for (const CommandLineCase& c : kCommandLineCases) {
        SCOPED_TRACE(c.commandLine);
        StartedApp started(c.commandLine);
        const CSetupApp& app = started.m_app;

        EXPECT_EQ(app.m_bUninstall, c.bUninstall);
        EXPECT_EQ(app.m_bUnattended, c.bUnattended);
        if (c.bUninstall) {
            EXPECT_STREQ(PathOf(app.m_pProfilePath), PathOf(app.m_pLogPath));
        } else if (c.sourceDir == nullptr) {
            EXPECT_STREQ(PathOf(app.m_pSourceDir), CFilePath(3).GetPath());
            EXPECT_STREQ(PathOf(app.m_pProfilePath), ProgramPathWithExtension("ini"));
        } else {
            // The profile keeps its file name and moves to the directory given.
            CFilePath expectedProfile(ProgramPathWithExtension("ini"));
            expectedProfile.SetFullDirectory(c.sourceDir);
            EXPECT_STREQ(PathOf(app.m_pSourceDir), c.sourceDir);
            EXPECT_STREQ(PathOf(app.m_pProfilePath), expectedProfile.GetPath());
        }
    }
}

TEST(SetupApp, UninstallReadsTheInstallLog)
{
    StartedApp started("/U");
    CSetupApp& app = started.m_app;
    app.StartUninstall();
    EXPECT_STREQ(PathOf(app.m_pProfilePath), PathOf(app.m_pLogPath));
    EXPECT_NE(app.m_pProfilePath, app.m_pLogPath);
}

TEST(SetupApp, SourceDirectoryCanBeChangedLater)
{
    StartedApp started("/D:C:\\FIRST");
    started.m_app.SetSourceDirectory("A:\\DISK02");
    EXPECT_STREQ(PathOf(started.m_app.m_pSourceDir), "A:\\DISK02\\");
}

TEST(SetupApp, ShutdownFreesEverythingAndExitsWithZero)
{
    for (BOOL bSuccess : {TRUE, FALSE}) {
        StartedApp started("/U");
        CSetupApp& app = started.m_app;
        app.m_bSuccess = bSuccess;

        EXPECT_EQ(app.ExitInstance(), 0);
        EXPECT_EQ(app.m_pDestinations, nullptr);
        EXPECT_EQ(app.m_pGroups, nullptr);
        EXPECT_EQ(app.m_pTargets, nullptr);
        EXPECT_EQ(app.m_pFileList, nullptr);
        EXPECT_EQ(app.m_pDiskettes, nullptr);
        EXPECT_EQ(app.m_pProfilePath, nullptr);
        EXPECT_EQ(app.m_pSourceDir, nullptr);
        EXPECT_EQ(app.m_pUserInfo, nullptr);
        EXPECT_EQ(app.m_pLogPath, nullptr);
    }
}

} // namespace
