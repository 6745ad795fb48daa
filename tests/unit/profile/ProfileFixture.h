// A directory of the test's own under the temporary directory, holding the
// INI files a test writes as plain text and then reads through the real
// private-profile services; removed with everything in it afterwards.
#pragma once

#include "CFilePath.h"
#include "CProfileSection.h"
#include "CProfileString.h"
#include "CString.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

class CProfileFixture
{
public:
    CProfileFixture()
    {
        char szTemp[MAX_PATH];
        GetTempPathA(MAX_PATH, szTemp);
        m_strDirectory.Format("%sprofile-test-%lu-%lu\\", szTemp, GetCurrentProcessId(),
                              GetTickCount());
        CreateDirectoryA(m_strDirectory, nullptr);
    }
    ~CProfileFixture() { RemoveTree(m_strDirectory); }
    CProfileFixture(const CProfileFixture&) = delete;
    CProfileFixture& operator=(const CProfileFixture&) = delete;

    // The path of a file in the directory (which need not exist).
    CFilePath PathOf(const char* pszName) const { return CFilePath(m_strDirectory + pszName); }

    // Writes the text as the whole file, lines ended CR LF.
    CFilePath Write(const char* pszName, const char* pszText) const
    {
        const CFilePath path = PathOf(pszName);
        FILE* pFile = fopen(path.GetPath(), "wb");
        EXPECT_NE(nullptr, pFile) << path.GetPath();
        if (pFile == nullptr)
            return path;
        for (const char* pch = pszText; *pch != '\0'; pch++) {
            if (*pch == '\n')
                fputc('\r', pFile);
            fputc(*pch, pFile);
        }
        fclose(pFile);
        return path;
    }

    // The whole file as text, CR LF kept; empty when it cannot be read.
    CString Read(const CFilePath& path) const
    {
        CString strText;
        FILE* pFile = fopen(path.GetPath(), "rb");
        if (pFile == nullptr)
            return strText;
        int ch;
        while ((ch = fgetc(pFile)) != EOF)
            strText += static_cast<char>(ch);
        fclose(pFile);
        return strText;
    }

private:
    CString m_strDirectory;
};

// The keys of a section in file order, and one value, read back through the
// program's own profile access.
inline std::vector<CString> KeysOf(const CFilePath& file, const char* pszSection)
{
    std::vector<CString> keys;
    ReadProfileSection(file, pszSection,
                       [&keys](const CString& strKey, const CString&) { keys.push_back(strKey); });
    return keys;
}

inline CString ValueOf(const CFilePath& file, const char* pszSection, const char* pszKey)
{
    return CProfileString("", pszSection, pszKey, file, FALSE, TRUE).GetValue();
}
