// Shared by the source-media tests: an application object holding just the
// state the source locator and the diskette prompt read, and small helpers
// that lay out a distribution on disk.
#pragma once

#include "CDisketteArray.h"
#include "CFilePath.h"
#include "CSetupApp.h"

#include <gtest/gtest.h>

class MediaFixture : public ::testing::Test
{
protected:
    MediaFixture()
    {
        m_app.m_pSourceDir = new CFilePath;
        m_app.m_pDiskettes = new CDisketteArray;
    }

    void SetSourceDirectory(LPCTSTR lpszDirectory) { m_app.m_pSourceDir->SetFullDirectory(lpszDirectory); }
    CString SourceDirectory() const { return m_app.m_pSourceDir->GetPath(); }

    // A file (and the directories above it) with a little content.
    static void MakeFile(LPCTSTR lpszPath)
    {
        CFilePath directory(lpszPath);
        directory.SetFileName("");
        ASSERT_TRUE(directory.CreateDirectories(TRUE)) << lpszPath;
        HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << lpszPath;
        DWORD dwWritten = 0;
        ::WriteFile(hFile, "data", 4, &dwWritten, nullptr);
        ::CloseHandle(hFile);
    }
    static void MakeDirectory(LPCTSTR lpszPath)
    {
        CFilePath directory;
        directory.SetFullDirectory(lpszPath);
        ASSERT_TRUE(directory.CreateDirectories(TRUE)) << lpszPath;
    }

    CSetupApp m_app;
};
