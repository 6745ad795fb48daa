// ReplaceAtRestart for real: a file held open by another program cannot be
// deleted, its replacement is scheduled, and after a simulated restart of
// Windows (wineboot -r, in the prefix this test has to itself) the new file is
// in place. Both routes: the platform's delayed move, and the [rename] line of
// wininit.ini when the delayed move fails.
#include "CFilePath.h"
#include "InstallTestSupport.h"
#include "ReplaceAtRestart.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

// Where the platform keeps its list of delayed moves.
const char s_szSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";

// Runs a program of the Windows side to its end; its exit code.
DWORD RunAndWait(const char* pszCommandLine)
{
    CString strCommandLine(pszCommandLine);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, strCommandLine.GetBuffer(strCommandLine.GetLength()), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        return static_cast<DWORD>(-1);
    DWORD dwExitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &dwExitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return dwExitCode;
}

// The restart ends every program; the renames recorded for it are then done.
void SimulateRestart()
{
    ASSERT_EQ(0u, RunAndWait("wineboot.exe -r"));
}

// hold_file.exe keeping one file open until it is ended.
class CFileHolder
{
public:
    explicit CFileHolder(const CString& strPath)
    {
        CString strEvent;
        strEvent.Format("velmo-hold-%lu", GetCurrentProcessId());
        m_hReady = CreateEventA(nullptr, TRUE, FALSE, strEvent);
        CString strCommandLine;
        strCommandLine.Format("\"%s\" \"%s\" %s", static_cast<const char*>(FixturePath("hold_file.exe")),
                              static_cast<const char*>(strPath), static_cast<const char*>(strEvent));
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, strCommandLine.GetBuffer(strCommandLine.GetLength()), nullptr, nullptr, FALSE,
                            0, nullptr, nullptr, &startup, &process))
            return;
        CloseHandle(process.hThread);
        m_hProcess = process.hProcess;
        // Ready, or ended without opening the file.
        HANDLE handles[] = { m_hReady, m_hProcess };
        m_bHolding = WaitForMultipleObjects(2, handles, FALSE, 30000) == WAIT_OBJECT_0;
    }

    ~CFileHolder() { End(); }

    bool IsHolding() const { return m_bHolding; }

    void End()
    {
        if (m_hProcess != nullptr)
        {
            TerminateProcess(m_hProcess, 0);
            WaitForSingleObject(m_hProcess, 30000);
            CloseHandle(m_hProcess);
            m_hProcess = nullptr;
        }
        if (m_hReady != nullptr)
            CloseHandle(m_hReady);
        m_hReady = nullptr;
        m_bHolding = false;
    }

private:
    HANDLE m_hReady = nullptr;
    HANDLE m_hProcess = nullptr;
    bool m_bHolding = false;
};

CString GetWininitPath()
{
    CFilePath path(1);
    path.SetFileName("wininit.ini");
    return path.GetPath();
}

bool HasPendingRenames()
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, s_szSessionManager, 0, KEY_READ, &hKey)
        != ERROR_SUCCESS)
        return false;
    const bool bPending = RegQueryValueExA(hKey, "PendingFileRenameOperations", nullptr, nullptr, nullptr, nullptr)
                          == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return bPending;
}

// A REG_SZ in place of the platform's list of delayed moves; null removes it.
bool SetPendingRenames(const char* pszText)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, s_szSessionManager, 0, KEY_SET_VALUE,
                      &hKey)
        != ERROR_SUCCESS)
        return false;
    const LONG lError = pszText == nullptr
                            ? RegDeleteValueA(hKey, "PendingFileRenameOperations")
                            : RegSetValueExA(hKey, "PendingFileRenameOperations", 0, REG_SZ,
                                             reinterpret_cast<const BYTE*>(pszText),
                                             static_cast<DWORD>(strlen(pszText) + 1));
    RegCloseKey(hKey);
    return lError == ERROR_SUCCESS;
}

class ReplaceAtRestart : public CTestDirectoryTest
{
protected:
    void SetUp() override
    {
        CTestDirectoryTest::SetUp();
        m_strExisting = InDir("shared.dll");
        m_strNew = InDir("0a1b2c3d.dll");
        WriteBytes(m_strExisting, "old copy");
        WriteBytes(m_strNew, "new copy");
        // A machine of its own: nothing is scheduled yet.
        ASSERT_FALSE(FileExists(GetWininitPath()));
        ASSERT_FALSE(HasPendingRenames());
    }

    void ExpectReplacedAfterRestart()
    {
        SimulateRestart();
        EXPECT_EQ("new copy", ReadBytes(m_strExisting));
        EXPECT_FALSE(FileExists(m_strNew));
    }

    CString m_strExisting;
    CString m_strNew;
};

TEST_F(ReplaceAtRestart, FileInUseIsReplacedAtTheNextRestart)
{
    CFileHolder holder(m_strExisting);
    ASSERT_TRUE(holder.IsHolding());
    EXPECT_FALSE(CFilePath(m_strExisting).Delete(TRUE));

    EXPECT_TRUE(::ReplaceAtRestart(m_strNew, m_strExisting));

    // Until the restart nothing moves; the platform's own list holds the move.
    EXPECT_EQ("old copy", ReadBytes(m_strExisting));
    EXPECT_TRUE(HasPendingRenames());
    EXPECT_FALSE(FileExists(GetWininitPath()));
    holder.End();
    ExpectReplacedAfterRestart();
}

TEST_F(ReplaceAtRestart, WithoutTheDelayedMoveWininitIniGetsTheRenameLine)
{
    CFileHolder holder(m_strExisting);
    ASSERT_TRUE(holder.IsHolding());
    // The platform keeps its delayed moves in a list value; a value of another
    // type there makes it refuse every delayed move, as Windows 95 would.
    ASSERT_TRUE(SetPendingRenames("not a list"));

    EXPECT_TRUE(::ReplaceAtRestart(m_strNew, m_strExisting));

    EXPECT_EQ("[rename]\r\n" + std::string(m_strExisting) + "=" + std::string(m_strNew) + "\r\n",
              ReadBytes(GetWininitPath()));
    EXPECT_EQ("old copy", ReadBytes(m_strExisting));
    ASSERT_TRUE(SetPendingRenames(nullptr));
    holder.End();
    ExpectReplacedAfterRestart();
}

}
