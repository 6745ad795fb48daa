#include "InstallTestSupport.h"

#include "CFilePath.h"
#include "TestSupport.h"

#include <algorithm>
#include <cstring>

void CTestDirectoryTest::SetUp()
{
    char szTemp[MAX_PATH];
    ASSERT_NE(0u, GetTempPathA(MAX_PATH, szTemp));
    const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
    m_strDir.Format("%s%s-%lu\\", szTemp, pInfo->name(), GetCurrentProcessId());
    // A parameterised case's name holds a "/".
    for (int nIndex = static_cast<int>(strlen(szTemp)); nIndex < m_strDir.GetLength() - 1; nIndex++)
    {
        if (m_strDir[nIndex] == '/')
            m_strDir.SetAt(nIndex, '_');
    }
    RemoveTree(m_strDir);
    ASSERT_TRUE(CreateDirectoryA(m_strDir, nullptr)) << m_strDir;
}

void CTestDirectoryTest::TearDown()
{
    RemoveTree(m_strDir);
}

std::vector<std::string> CTestDirectoryTest::ListNames() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA findData;
    HANDLE hFind = FindFirstFileA(m_strDir + "*", &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        const std::string strName(findData.cFileName);
        if (strName != "." && strName != "..")
            names.push_back(strName);
    } while (FindNextFileA(hFind, &findData));
    FindClose(hFind);
    std::sort(names.begin(), names.end());
    return names;
}

void WriteBytes(const CString& strPath, const std::string& strBytes)
{
    HANDLE hFile = CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile) << strPath;
    DWORD dwWritten = 0;
    EXPECT_TRUE(WriteFile(hFile, strBytes.data(), static_cast<DWORD>(strBytes.size()), &dwWritten, nullptr));
    EXPECT_EQ(strBytes.size(), dwWritten);
    CloseHandle(hFile);
}

std::string ReadBytes(const CString& strPath, bool* pbExists)
{
    std::string strBytes;
    HANDLE hFile = CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (pbExists != nullptr)
        *pbExists = hFile != INVALID_HANDLE_VALUE;
    if (hFile == INVALID_HANDLE_VALUE)
        return strBytes;
    char buffer[4096];
    DWORD dwRead = 0;
    while (ReadFile(hFile, buffer, sizeof(buffer), &dwRead, nullptr) && dwRead > 0)
        strBytes.append(buffer, dwRead);
    CloseHandle(hFile);
    return strBytes;
}

bool FileExists(const CString& strPath)
{
    return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

void SetWriteTime(const CString& strPath, LONGLONG nMilliseconds)
{
    // FILETIME counts 100 ns steps since 1601.
    const ULONGLONG nTicks = 116444736000000000ULL + static_cast<ULONGLONG>(nMilliseconds) * 10000ULL;
    FILETIME fileTime;
    fileTime.dwLowDateTime = static_cast<DWORD>(nTicks);
    fileTime.dwHighDateTime = static_cast<DWORD>(nTicks >> 32);
    HANDLE hFile = CreateFileA(strPath, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile) << strPath;
    EXPECT_TRUE(SetFileTime(hFile, nullptr, nullptr, &fileTime));
    CloseHandle(hFile);
}

CString FixturePath(const char* pszName)
{
    CFilePath path(3);
    path.SetFileName(pszName);
    return path.GetPath();
}
