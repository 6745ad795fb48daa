// Small archives written byte by byte into a scratch directory, for the
// archive and codec tests.
#pragma once

#include "MultiFileEntryHeader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

typedef std::vector<unsigned char> CBytes;

CBytes Deflate(const CBytes& data);
CBytes RandomBytes(size_t nSize, unsigned nSeed);
CBytes TextBytes(const char* psz);
DWORD ReferenceCrc(const CBytes& data);

// One member: the header fields that matter and its stored bytes.
struct CMemberSpec
{
    std::string m_strName = "member.bin";
    CBytes m_expanded;  // what decoding gives (for the header's size and checksum)
    CBytes m_stored;    // what follows the header
    LONG m_nMethod = METHOD_STORED;
    BOOL m_bChecked = TRUE;  // dwCrc set; FALSE leaves it 0
    WORD m_wContinued = 0;
    WORD m_wAttributes = 0x20;
    LONG m_tModified = 850000000;

    static CMemberSpec Stored(const CBytes& data);
    static CMemberSpec Deflated(const CBytes& data);
};

CBytes VolumeHeader();
CBytes MemberBytes(const CMemberSpec& member);
CBytes ArchiveBytes(const std::vector<CMemberSpec>& members);

class ArchiveTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    std::string PathOf(const std::string& strName) const;
    std::string Write(const std::string& strName, const CBytes& bytes) const;
    CBytes ReadAll(const std::string& strPath) const;

    std::string m_strDirectory;
};
