// Runs setup.exe as a user would start it, on a machine of its own.
#include "CFilePath.h"

#include <gtest/gtest.h>

namespace {

// Starts setup.exe (next to this program) with the given arguments and
// returns its exit code, or -1 when it did not end within a minute.
DWORD RunSetup(const char* lpszArguments)
{
    CFilePath setup(3);  // the directory of this program
    setup.SetFileName("setup.exe");
    CString strCommandLine;
    strCommandLine.Format("\"%s\" %s", static_cast<LPCTSTR>(setup.GetPath()), lpszArguments);

    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    if (!CreateProcessA(nullptr, strCommandLine.GetBuffer(0), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        return static_cast<DWORD>(-2);
    DWORD dwExitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &dwExitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return dwExitCode;
}

// Unattended (/B), so each run goes through the wizard to its end by itself.
TEST(SetupRun, ExitCodeIsZeroWhateverTheCommandLine)
{
    const char* const kArguments[] = {
        "/B", "/U /B", "/B /D:C:\\nowhere\\at\\all", "/Dc:\\x /u / stray words /B", "/UB /B",
    };
    for (const char* lpszArguments : kArguments)
        EXPECT_EQ(RunSetup(lpszArguments), 0u) << "arguments: " << lpszArguments;
}

} // namespace
