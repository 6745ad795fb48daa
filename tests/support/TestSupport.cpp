#include "TestSupport.h"

#ifdef _WIN32
#include <windows.h>

void RemoveTree(const CString& strDirectory)
{
    WIN32_FIND_DATAA findData;
    HANDLE hFind = FindFirstFileA(strDirectory + "*", &findData);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            const CString strName(findData.cFileName);
            if (strName == "." || strName == "..")
                continue;
            const CString strPath = strDirectory + strName;
            if (findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            {
                RemoveTree(strPath + "\\");
                continue;
            }
            SetFileAttributesA(strPath, FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(strPath);
        } while (FindNextFileA(hFind, &findData));
        FindClose(hFind);
    }
    RemoveDirectoryA(strDirectory);
}
#endif
