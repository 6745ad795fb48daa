// A fixture whose test owns a key of its own under
// HKEY_CURRENT_USER\Software\VelmoTests, removed after the test.
#pragma once

#include "CString.h"

#include <gtest/gtest.h>

#include <windows.h>

class CRegistryTestKey : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strKey.Format("Software\\VelmoTests\\%s-%lu",
                        ::testing::UnitTest::GetInstance()->current_test_info()->name(), GetCurrentProcessId());
    }

    void TearDown() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, m_strKey);
    }

    CString m_strKey;
};
