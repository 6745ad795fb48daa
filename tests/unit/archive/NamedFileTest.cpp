#include "ArchiveFixture.h"
#include "CNamedFile.h"

TEST_F(ArchiveTest, NamedFileReportsOpenFailuresAndShortReads)
{
    CNamedFile missing;
    try {
        missing.OpenForRead(PathOf("absent").c_str(), TRUE);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        CExceptionGuard guard(e);
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
    }
    EXPECT_FALSE(missing.IsOpen());

    CNamedFile file;
    file.OpenForRead(Write("four", TextBytes("four")).c_str(), TRUE);
    EXPECT_STREQ(PathOf("four").c_str(), file.GetPathName());
    char abBuffer[8];
    try {
        file.ReadExact(abBuffer, 5);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        CExceptionGuard guard(e);
        EXPECT_EQ(CFileException::endOfFile, e->m_cause);
        EXPECT_EQ(-1, e->m_lOsError);
    }
}

// A write that keeps failing is given up after a few attempts, not retried
// for ever.
TEST_F(ArchiveTest, NamedFileGivesUpOnFailingWrites)
{
    CNamedFile file;
    file.OpenForRead(Write("ro", TextBytes("x")).c_str(), TRUE);
    try {
        file.Write("data", 4);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        CExceptionGuard guard(e);
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
    }
}

#ifndef _WIN32
// /dev/full answers every write with "no space left".
TEST(NamedFile, DiskFullEndsInTheDiskFullException)
{
    CNamedFile file;
    file.OpenForWrite("/dev/full", TRUE);
    std::vector<char> data(1 << 16, 'x');
    try {
        file.Write(data.data(), static_cast<UINT>(data.size()));
        file.Flush();
        FAIL() << "no exception";
    } catch (CFileException* e) {
        CExceptionGuard guard(e);
        EXPECT_EQ(CFileException::diskFull, e->m_cause);
        EXPECT_EQ(-1, e->m_lOsError);
    }
}
#endif
