#include "RegQuery.h"

#include "Platform.h"

std::string RegQuery(const std::string& strArguments)
{
    SECURITY_ATTRIBUTES security = { sizeof(security), nullptr, TRUE };
    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    if (!CreatePipe(&hRead, &hWrite, &security, 0))
        return std::string();
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);

    std::string strCommandLine = "reg.exe query " + strArguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = hWrite;
    startup.hStdError = hWrite;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL bStarted = CreateProcessA(nullptr, &strCommandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                         &startup, &process);
    // Only the child holds the write end now: reading ends when it exits.
    CloseHandle(hWrite);
    std::string strOutput;
    if (bStarted)
    {
        char buffer[4096];
        DWORD dwRead = 0;
        while (ReadFile(hRead, buffer, sizeof(buffer), &dwRead, nullptr) && dwRead > 0)
            strOutput.append(buffer, dwRead);
        DWORD dwExitCode = 1;
        WaitForSingleObject(process.hProcess, 30000);
        GetExitCodeProcess(process.hProcess, &dwExitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (dwExitCode != 0)
            strOutput.clear();
    }
    CloseHandle(hRead);
    return strOutput;
}
