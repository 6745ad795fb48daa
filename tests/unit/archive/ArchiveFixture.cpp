#include "ArchiveFixture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <zlib.h>

CBytes Deflate(const CBytes& data)
{
    uLongf nSize = compressBound(static_cast<uLong>(data.size()));
    CBytes out(nSize);
    EXPECT_EQ(Z_OK, compress(out.data(), &nSize, data.data(), static_cast<uLong>(data.size())));
    out.resize(nSize);
    return out;
}

CBytes RandomBytes(size_t nSize, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    CBytes bytes(nSize);
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(random());
    return bytes;
}

CBytes TextBytes(const char* psz)
{
    return CBytes(psz, psz + std::strlen(psz));
}

// Written out here from the format's definition, independent of the
// implementation under test.
DWORD ReferenceCrc(const CBytes& data)
{
    DWORD table[256];
    for (DWORD i = 0; i < 256; ++i) {
        DWORD c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[i] = c;
    }
    DWORD crc = 0;
    for (unsigned char b : data)
        crc = table[(crc ^ b) & 0xFF] ^ ((crc >> 6) & 0x00FFFFFFu);
    return crc;
}

CMemberSpec CMemberSpec::Stored(const CBytes& data)
{
    CMemberSpec member;
    member.m_expanded = data;
    member.m_stored = data;
    return member;
}

CMemberSpec CMemberSpec::Deflated(const CBytes& data)
{
    CMemberSpec member;
    member.m_expanded = data;
    member.m_stored = Deflate(data);
    member.m_nMethod = METHOD_DEFLATE;
    return member;
}

CBytes VolumeHeader()
{
    return CBytes{'m', 'f', 'l', 'h', 1, 2, 3, 4};
}

namespace {

void Put(CBytes& bytes, size_t nOffset, DWORD dwValue, int nWidth)
{
    for (int i = 0; i < nWidth; ++i)
        bytes[nOffset + i] = static_cast<unsigned char>(dwValue >> (8 * i));
}

} // namespace

// Laid out by hand at the documented offsets.
CBytes MemberBytes(const CMemberSpec& member)
{
    CBytes header(346 + member.m_stored.size(), 0);
    std::memcpy(header.data(), "mfen", 4);
    Put(header, 4, 1, 2);
    Put(header, 6, 346, 2);
    Put(header, 8, static_cast<DWORD>(member.m_tModified), 4);
    std::memcpy(header.data() + 16, member.m_strName.data(), std::min<size_t>(member.m_strName.size(), 260));
    Put(header, 276, static_cast<DWORD>(member.m_expanded.size()), 4);
    Put(header, 280, static_cast<DWORD>(member.m_stored.size()), 4);
    Put(header, 284, member.m_bChecked ? ReferenceCrc(member.m_expanded) : 0, 4);
    Put(header, 292, static_cast<DWORD>(member.m_nMethod), 4);
    Put(header, 300, 7, 2);
    Put(header, 302, member.m_wAttributes, 2);
    Put(header, 304, member.m_wContinued, 2);
    std::memcpy(header.data() + 306, "a note", 6);
    if (!member.m_stored.empty())
        std::memcpy(header.data() + 346, member.m_stored.data(), member.m_stored.size());
    return header;
}

CBytes ArchiveBytes(const std::vector<CMemberSpec>& members)
{
    CBytes bytes = VolumeHeader();
    for (const CMemberSpec& member : members) {
        CBytes one = MemberBytes(member);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

void ArchiveTest::SetUp()
{
    std::mt19937 random(std::random_device{}());
    m_strDirectory = (std::filesystem::temp_directory_path() / ("archive-test-" + std::to_string(random()))).string();
    std::filesystem::create_directories(m_strDirectory);
}

void ArchiveTest::TearDown()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_strDirectory, error))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_strDirectory, error);
}

std::string ArchiveTest::PathOf(const std::string& strName) const
{
    return (std::filesystem::path(m_strDirectory) / strName).string();
}

std::string ArchiveTest::Write(const std::string& strName, const CBytes& bytes) const
{
    std::string strPath = PathOf(strName);
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return strPath;
}

CBytes ArchiveTest::ReadAll(const std::string& strPath) const
{
    std::ifstream in(strPath, std::ios::binary);
    return CBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
