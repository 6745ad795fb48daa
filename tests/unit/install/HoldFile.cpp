// Test helper: keeps a file open, as a running program keeps its DLL, until
// it is ended. Usage: hold_file PATH EVENT. The file is opened for reading
// and shared for reading only, so it cannot be deleted or replaced; the named
// event is set once it is open.
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    HANDLE hFile = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return 1;
    HANDLE hEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (hEvent == nullptr || !SetEvent(hEvent))
        return 1;
    Sleep(INFINITE);
    return 0;
}
