// What the install tests share: a directory of the test's own under the
// temporary directory, files written and read back byte for byte, file times
// set to the millisecond, and the version fixtures built next to the tests.
#pragma once

#include "CString.h"
#include "Platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Creates the directory in SetUp and removes it with everything in it.
class CTestDirectoryTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    CString InDir(const char* pszName) const { return m_strDir + pszName; }
    // The names in the directory, sorted.
    std::vector<std::string> ListNames() const;

    CString m_strDir;  // ends with a backslash
};

void WriteBytes(const CString& strPath, const std::string& strBytes);
// Empty when the file cannot be read; bExists tells the two apart.
std::string ReadBytes(const CString& strPath, bool* pbExists = nullptr);
bool FileExists(const CString& strPath);

// The last-write time, in milliseconds since 1970 (UTC).
void SetWriteTime(const CString& strPath, LONGLONG nMilliseconds);

// A fixture DLL of the test build (version_1_2_0_0.dll ...), next to the test.
CString FixturePath(const char* pszName);
