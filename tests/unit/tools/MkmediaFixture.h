// Runs the built mkmedia program for real, in a scratch directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

typedef std::vector<unsigned char> CBytes;

CBytes RandomBytes(size_t nSize, unsigned nSeed);
CBytes TextBytes(const std::string& str);

struct CRunResult
{
    int m_nStatus;
    std::string m_strOut;
    std::string m_strErr;
};

class MkmediaTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    std::string PathOf(const std::string& strName) const { return (m_dir / strName).string(); }
    std::string Write(const std::string& strName, const CBytes& bytes) const;
    CBytes Read(const std::string& strPath) const;
    std::string ReadText(const std::string& strPath) const;
    // mkmedia with these arguments; its exit status and what it printed.
    CRunResult Run(const std::string& strArgs);
    static std::string Quote(const std::string& str) { return "\"" + str + "\""; }

    fs::path m_dir;
};
