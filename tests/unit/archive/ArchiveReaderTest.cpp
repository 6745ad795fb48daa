#include "ArchiveFixture.h"
#include "CMultiFileArchive.h"
#include "CMultiFileException.h"
#include "CVolumeArchive.h"
#include "CZLibException.h"
#include "VolumeName.h"

#include <filesystem>
#include <functional>

namespace {

class ArchiveReaderTest : public ArchiveTest
{
protected:
    // Extracts every member to "out<n>"; returns how many there were.
    int ExtractAll(CMultiFileArchive& archive, const std::string& strPath)
    {
        archive.OpenArchive(strPath.c_str());
        CMultiFileEntry entry(&archive);
        int nMembers = 0;
        while (archive.ReadEntryHeader(&entry, FALSE)) {
            entry.SetOutputPath(PathOf("out" + std::to_string(++nMembers)).c_str());
            archive.Extract(&entry);
        }
        return nMembers;
    }
    int ExtractAll(const CBytes& bytes)
    {
        CMultiFileArchive archive;
        return ExtractAll(archive, Write("DATA.Z01", bytes));
    }
};

// Which exception, with which code, the reader raised.
struct CRaised
{
    const char* pszClass;
    int nCode;
};

CRaised Catch(const std::function<void()>& fnRun)
{
    try {
        fnRun();
    } catch (CMultiFileException* e) {
        CExceptionGuard guard(e);
        return {"archive", e->m_nCode};
    } catch (CZLibException* e) {
        CExceptionGuard guard(e);
        return {"zlib", e->m_nCode};
    } catch (CFileException* e) {
        CExceptionGuard guard(e);
        return {"file", e->m_cause};
    } catch (CUserException* e) {
        CExceptionGuard guard(e);
        return {"cancel", 0};
    }
    return {"none", 0};
}

// Counts the hooks; OnTick may ask for a cancel.
class CWatchedArchive : public CMultiFileArchive
{
public:
    void OnTick() override
    {
        ++m_nTicks;
        if (m_bCancelOnTick)
            Abort();
    }
    BOOL OnVolumeEnd() override
    {
        ++m_nVolumeEnds;
        return TRUE;
    }
    int m_nTicks = 0;
    int m_nVolumeEnds = 0;
    bool m_bCancelOnTick = false;
};

} // namespace

TEST_F(ArchiveReaderTest, FailureTable)
{
    CBytes text = TextBytes("The quick brown fox jumps over the lazy dog.\n");
    CMemberSpec crcWrong = CMemberSpec::Stored(text);
    crcWrong.m_expanded = TextBytes("something else");
    crcWrong.m_expanded.resize(text.size());
    CMemberSpec method3 = CMemberSpec::Stored(text);
    method3.m_nMethod = 3;
    CMemberSpec cut = CMemberSpec::Deflated(RandomBytes(5000, 6));
    cut.m_stored.resize(cut.m_stored.size() / 2);
    CMemberSpec farPastTheEnd = CMemberSpec::Stored(RandomBytes(100000, 11));
    CBytes tooBig = ArchiveBytes({farPastTheEnd});
    tooBig.resize(VolumeHeader().size() + 346 + text.size());
    CBytes notEntry = ArchiveBytes({CMemberSpec::Stored(text)});
    notEntry.insert(notEntry.end(), 346, 'x');
    CBytes capital = ArchiveBytes({});
    capital[0] = 'M';

    const struct
    {
        const char* pszCase;
        CBytes bytes;
        const char* pszClass;
        int nCode;
    } cases[] = {
        {"five bytes", CBytes{'m', 'f', 'l', 'h', 0}, "file", CFileException::endOfFile},
        {"capital magic", capital, "archive", MFX_NOT_ARCHIVE},
        {"346 bytes that are not a header", notEntry, "archive", MFX_MISSING_ENTRY},
        {"method 3", ArchiveBytes({method3}), "archive", MFX_UNKNOWN_METHOD},
        {"checksum mismatch", ArchiveBytes({crcWrong}), "archive", MFX_CRC_MISMATCH},
        {"deflate data cut", ArchiveBytes({cut}), "zlib", ZLX_BUFFER},
        {"sizes far past the end", tooBig, "file", CFileException::endOfFile},
    };
    for (const auto& c : cases) {
        CRaised raised = Catch([&] { ExtractAll(c.bytes); });
        EXPECT_STREQ(c.pszClass, raised.pszClass) << c.pszCase;
        EXPECT_EQ(c.nCode, raised.nCode) << c.pszCase;
    }
    // The unknown method is found only after the output file was created.
    std::filesystem::remove(PathOf("out1"));
    Catch([&] { ExtractAll(ArchiveBytes({method3})); });
    EXPECT_TRUE(std::filesystem::exists(PathOf("out1")));
    EXPECT_TRUE(ReadAll(PathOf("out1")).empty());
}

TEST_F(ArchiveReaderTest, EndsCleanlyAtShortTails)
{
    CBytes text = TextBytes("hello");
    CMemberSpec empty = CMemberSpec::Stored(CBytes());
    CMemberSpec unchecked = CMemberSpec::Stored(text);
    unchecked.m_bChecked = FALSE;
    unchecked.m_expanded = TextBytes("HELLO");  // its checksum would differ
    CBytes tail = ArchiveBytes({CMemberSpec::Deflated(text), empty});
    tail.insert(tail.end(), 345, 'x');
    const struct
    {
        const char* pszCase;
        CBytes bytes;
        int nMembers;
    } cases[] = {
        {"volume header only", VolumeHeader(), 0},
        {"345 trailing bytes", tail, 2},
        {"unchecked member", ArchiveBytes({unchecked}), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nMembers, ExtractAll(c.bytes)) << c.pszCase;
    EXPECT_TRUE(ReadAll(PathOf("out2")).empty());
}

TEST_F(ArchiveReaderTest, ExtractsBytesTimeAndAttributes)
{
    CBytes first = RandomBytes(10000, 7);
    first.insert(first.end(), 30000, 'a');
    CMemberSpec readOnly = CMemberSpec::Stored(TextBytes("read me"));
    readOnly.m_wAttributes = 0x21;
    readOnly.m_tModified = 946684800;  // 2000-01-01
    ASSERT_EQ(2, ExtractAll(ArchiveBytes({CMemberSpec::Deflated(first), readOnly})));
    EXPECT_EQ(first, ReadAll(PathOf("out1")));
    EXPECT_EQ(TextBytes("read me"), ReadAll(PathOf("out2")));

    CMultiFileEntry status;
    status.m_strName = PathOf("out2").c_str();
    status.FillFromFile();
    EXPECT_EQ(946684800, status.m_header.tModified);
    EXPECT_EQ(0x01, status.m_header.wAttributes & 0x01);
    status.m_strName = PathOf("out1").c_str();
    status.FillFromFile();
    EXPECT_EQ(850000000, status.m_header.tModified);
    EXPECT_EQ(0, status.m_header.wAttributes & 0x01);
}

TEST_F(ArchiveReaderTest, EntryKeepsNameNoteAndOffsets)
{
    CMemberSpec unterminated = CMemberSpec::Stored(TextBytes("x"));
    unterminated.m_strName = std::string(260, 'n');
    CMemberSpec second = CMemberSpec::Stored(TextBytes("yz"));
    second.m_strName = "..\\..\\x.dll";
    CMultiFileArchive archive;
    EXPECT_EQ(8, archive.OpenArchive(Write("a", ArchiveBytes({unterminated, second})).c_str()));
    CMultiFileEntry entry(&archive);
    ASSERT_TRUE(archive.ReadEntryHeader(&entry, FALSE));
    EXPECT_EQ(259, entry.m_strName.GetLength());
    EXPECT_STREQ("a note", entry.m_strNote);
    EXPECT_EQ(8 + 346 + 1, entry.m_nOffset);
    EXPECT_EQ(7, entry.m_header.nDestination);
    // The seeking form skips the first member's data.
    ASSERT_TRUE(archive.ReadEntryHeader(&entry, TRUE));
    EXPECT_STREQ("x.dll", entry.GetFinalName());
}

TEST(ArchiveEntry, FinalNameNeverLeavesTheDirectory)
{
    const struct
    {
        const char* pszName;
        const char* pszFinal;
    } cases[] = {
        {"plain.txt", "plain.txt"}, {"..\\..\\x.dll", "x.dll"}, {"a/b/../c.txt", "c.txt"},
        {"C:x.ini", "x.ini"},       {"..", ""},                 {"dir\\.", ""},
        {"dir\\", ""},              {"", ""},
    };
    for (const auto& c : cases) {
        CMultiFileEntry entry;
        entry.m_strName = c.pszName;
        EXPECT_STREQ(c.pszFinal, entry.GetFinalName()) << c.pszName;
    }
}

TEST_F(ArchiveReaderTest, ReadsAreCutAtTicksAndVolumeEnds)
{
    CWatchedArchive archive;
    archive.OpenArchive(Write("a", ArchiveBytes({CMemberSpec::Stored(RandomBytes(10000, 8))})).c_str());
    CMultiFileEntry entry(&archive);
    ASSERT_TRUE(archive.ReadEntryHeader(&entry, FALSE));
    std::vector<unsigned char> buffer(20000);
    EXPECT_EQ(10000u, archive.Read(buffer.data(), 10000));
    EXPECT_EQ(2, archive.m_nTicks);
    EXPECT_EQ(0, archive.m_nVolumeEnds);  // ended exactly at the end of the file
    EXPECT_EQ(0u, archive.Read(buffer.data(), 10));
    EXPECT_EQ(1, archive.m_nVolumeEnds);
    EXPECT_EQ(ReferenceCrc(RandomBytes(10000, 8)), archive.m_crc.GetValue());
}

TEST_F(ArchiveReaderTest, CancelFinishesTheMemberThenRaises)
{
    CBytes data = RandomBytes(50000, 9);
    CWatchedArchive archive;
    archive.m_bCancelOnTick = true;
    CRaised raised = Catch([&] { ExtractAll(archive, Write("a", ArchiveBytes({CMemberSpec::Stored(data)}))); });
    EXPECT_STREQ("cancel", raised.pszClass);
    EXPECT_EQ(data, ReadAll(PathOf("out1")));
    EXPECT_EQ(nullptr, archive.m_pCodec);
    EXPECT_FALSE(archive.m_bExtracting);
}

// A deflate member whose zlib trailer arrives in a later read than its data
// is still consumed to its end: the next header is found.
TEST_F(ArchiveReaderTest, TrailerInASeparatePiece)
{
    for (size_t nSize = 4000; nSize < 4200; nSize += 7) {
        CMemberSpec member = CMemberSpec::Deflated(RandomBytes(nSize, static_cast<unsigned>(nSize)));
        ASSERT_EQ(2, ExtractAll(ArchiveBytes({member, CMemberSpec::Stored(TextBytes("next"))}))) << nSize;
        EXPECT_EQ(TextBytes("next"), ReadAll(PathOf("out2")));
    }
}

TEST_F(ArchiveReaderTest, FollowsVolumesAndStopsAtTheEndOfTheChain)
{
    CBytes data = RandomBytes(3000, 10);
    CMemberSpec member = CMemberSpec::Stored(data);
    member.m_wContinued = 1;
    CBytes whole = ArchiveBytes({member, CMemberSpec::Stored(TextBytes("after"))});
    // Volume 1 ends inside the data, volume 2 holds nothing, volume 3 the rest.
    size_t nCut = 8 + 346 + 1000;
    Write("DATA.Z01", CBytes(whole.begin(), whole.begin() + nCut));
    Write("DATA.Z02", VolumeHeader());
    CBytes third = VolumeHeader();
    third.insert(third.end(), whole.begin() + nCut, whole.end());
    Write("DATA.Z03", third);
    {
        CVolumeArchive archive;
        EXPECT_EQ(2, ExtractAll(archive, PathOf("DATA.Z01")));
        EXPECT_EQ(data, ReadAll(PathOf("out1")));
        EXPECT_EQ(3, archive.GetVolumeCount());
    }

    // Without the last volume the chain ends in a clear error.
    std::filesystem::remove(PathOf("DATA.Z03"));
    CVolumeArchive broken;
    CRaised raised = Catch([&] { ExtractAll(broken, PathOf("DATA.Z01")); });
    EXPECT_STREQ("file", raised.pszClass);
    EXPECT_EQ(CFileException::fileNotFound, raised.nCode);
}

TEST(VolumeName, NextNames)
{
    const struct
    {
        const char* pszName;
        const char* pszNext;
    } cases[] = {{"DATA.Z01", "DATA.Z02"}, {"DATA.Z09", "DATA.Z0:"}, {"X", "Y"}, {"", nullptr}, {"A\xFF", nullptr}};
    for (const auto& c : cases) {
        CString strName = c.pszName;
        EXPECT_EQ(c.pszNext != nullptr, MakeNextVolumeName(strName) != FALSE) << c.pszName;
        if (c.pszNext != nullptr) {
            EXPECT_STREQ(c.pszNext, strName);
        }
    }
    const struct
    {
        const char* pszDirectory;
        const char* pszNext;
    } disks[] = {{"M/DISK01/", "M/DISK02/"}, {"c:\\setup\\disk09\\", "c:\\setup\\disk10\\"},
                 {"M/DISK00/", nullptr},      {"M/DISKAB/", nullptr},
                 {"", nullptr}};
    for (const auto& d : disks) {
        CString strDirectory = d.pszDirectory;
        EXPECT_EQ(d.pszNext != nullptr, MakeNextDisketteDirectory(strDirectory) != FALSE) << d.pszDirectory;
        if (d.pszNext != nullptr) {
            EXPECT_STREQ(d.pszNext, strDirectory);
        }
    }
}
