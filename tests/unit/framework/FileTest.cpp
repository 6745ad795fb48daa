#include "CFile.h"
#include "CStdioFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace
{
#ifdef _WIN32
const char g_chSeparator = '\\';
const LONG g_lNotFound = ERROR_FILE_NOT_FOUND;
#else
const char g_chSeparator = '/';
const LONG g_lNotFound = ENOENT;
#endif

struct CFileError
{
    int nCause;  // -1: nothing thrown, -2: not a CFileException
    LONG lOsError;
    std::string strFileName;
};

CFileError FileErrorOf(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (CException* e)
    {
        CExceptionGuard guard(e);
        if (!e->IsKindOf(RUNTIME_CLASS(CFileException)))
            return { -2, 0, "" };
        CFileException* pFile = static_cast<CFileException*>(e);
        return { pFile->m_cause, pFile->m_lOsError, static_cast<const char*>(pFile->m_strFileName) };
    }
    return { -1, 0, "" };
}

std::string Bytes(const CString& str)
{
    return std::string(static_cast<const char*>(str), static_cast<size_t>(str.GetLength()));
}

// Each test in a fresh directory of its own, removed afterwards.
class FileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
#ifdef _WIN32
        unsigned long nProcess = GetCurrentProcessId();
#else
        unsigned long nProcess = static_cast<unsigned long>(getpid());
#endif
        std::filesystem::path pathBase = std::filesystem::temp_directory_path();
        for (int i = 0;; i++)
        {
            m_pathDir = pathBase / ("framework-file-" + std::to_string(nProcess) + "-" + std::to_string(i));
            if (std::filesystem::create_directory(m_pathDir))
                break;
        }
    }

    void TearDown() override
    {
        std::error_code error;
        std::filesystem::remove_all(m_pathDir, error);
    }

    std::string PathOf(const char* pszName) const { return m_pathDir.string() + g_chSeparator + pszName; }

    std::string ReadDisk(const char* pszName) const
    {
        std::ifstream stream(PathOf(pszName), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    }

    void WriteDisk(const char* pszName, const std::string& strBytes) const
    {
        std::ofstream stream(PathOf(pszName), std::ios::binary);
        stream << strBytes;
    }

    std::filesystem::path m_pathDir;
};

const std::string g_strBinary("abc\0\r\n\xff", 7);
}

TEST_F(FileTest, WritesAndReadsBackExactBytes)
{
    const std::string strPath = PathOf("data.bin");
    {
        CFile file(strPath.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write(g_strBinary.data(), static_cast<UINT>(g_strBinary.size()));
        EXPECT_EQ(7u, file.GetLength());
        EXPECT_EQ(7u, file.GetPosition());
        file.Close();
    }
    EXPECT_EQ(g_strBinary, ReadDisk("data.bin"));

    CFile file;
    ASSERT_TRUE(file.Open(strPath.c_str(), CFile::modeRead));
    char buffer[100];
    ASSERT_EQ(4u, file.Read(buffer, 4));
    EXPECT_EQ(g_strBinary.substr(0, 4), std::string(buffer, 4));
    ASSERT_EQ(3u, file.Read(buffer, sizeof(buffer)));
    EXPECT_EQ(g_strBinary.substr(4), std::string(buffer, 3));
    EXPECT_EQ(0u, file.Read(buffer, sizeof(buffer)));
    EXPECT_EQ(0u, file.Read(buffer, sizeof(buffer)));
    EXPECT_STREQ("data.bin", file.GetFileName());
    EXPECT_STREQ(strPath.c_str(), file.GetFilePath());
}

TEST_F(FileTest, OpenReportsCauseSystemErrorAndName)
{
    std::filesystem::create_directory(m_pathDir / "folder");
    const struct
    {
        std::string strPath;
        UINT nOpenFlags;
        int nCause;
    } cases[] = {
        { PathOf("missing.txt"), CFile::modeRead, CFileException::fileNotFound },
        { PathOf("folder"), CFile::modeRead, CFileException::accessDenied },
        { PathOf("folder"), CFile::modeCreate | CFile::modeWrite, CFileException::accessDenied },
#ifdef _WIN32
        { PathOf("no-such-dir\\file.txt"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath },
#endif
        { PathOf("any.txt"), CFile::modeWrite | CFile::modeReadWrite | CFile::modeCreate,
          CFileException::genericException },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.strPath);
        CFileException error;
        CFile file;
        EXPECT_FALSE(file.Open(c.strPath.c_str(), c.nOpenFlags, &error));
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(c.nCause, error.m_cause);
        EXPECT_STREQ(c.strPath.c_str(), error.m_strFileName);

        // The throwing constructors report the same, for both classes.
        for (BOOL bStdio : { FALSE, TRUE })
        {
            CFileError thrown = FileErrorOf([&] {
                if (bStdio)
                    CStdioFile stdioFile(c.strPath.c_str(), c.nOpenFlags);
                else
                    CFile plainFile(c.strPath.c_str(), c.nOpenFlags);
            });
            EXPECT_EQ(c.nCause, thrown.nCause);
            EXPECT_EQ(error.m_lOsError, thrown.lOsError);
            EXPECT_EQ(c.strPath, thrown.strFileName);
        }
    }

    CFileException error;
    CFile file;
    file.Open(PathOf("missing.txt").c_str(), CFile::modeRead, &error);
    EXPECT_EQ(g_lNotFound, error.m_lOsError);
    EXPECT_FALSE(std::filesystem::exists(PathOf("any.txt")));
}

TEST_F(FileTest, TransfersAgainstTheOpenModeAreAccessDenied)
{
    WriteDisk("data.bin", "original");
    const std::string strPath = PathOf("data.bin");
    char buffer[8];
    for (BOOL bStdio : { FALSE, TRUE })
    {
        SCOPED_TRACE(bStdio ? "CStdioFile" : "CFile");
        CStdioFile stdioFile;
        CFile plainFile;
        CFile& file = bStdio ? static_cast<CFile&>(stdioFile) : plainFile;

        ASSERT_TRUE(file.Open(strPath.c_str(), CFile::modeRead | CFile::shareDenyNone));
        CFileError error = FileErrorOf([&] { file.Write("x", 1); });
        EXPECT_EQ(CFileException::accessDenied, error.nCause);
        EXPECT_EQ(strPath, error.strFileName);
        EXPECT_EQ(CFileException::accessDenied, FileErrorOf([&] { file.SetLength(0); }).nCause);
        file.Close();

        ASSERT_TRUE(file.Open(strPath.c_str(), CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate));
        EXPECT_EQ(CFileException::accessDenied, FileErrorOf([&] { file.Read(buffer, 1); }).nCause);
        file.Close();
    }
    EXPECT_EQ(CFileException::accessDenied,
              FileErrorOf([&] {
                  CStdioFile file(strPath.c_str(), CFile::modeRead);
                  file.WriteString("x");
              }).nCause);
    EXPECT_EQ("original", ReadDisk("data.bin"));
}

TEST_F(FileTest, ClosedFilesRefuseWorkAndCloseQuietly)
{
    WriteDisk("data.bin", "abc");
    CStdioFile stdioFile;
    CFile plainFile;
    for (CFile* pFile : { static_cast<CFile*>(&plainFile), static_cast<CFile*>(&stdioFile) })
    {
        CFile& file = *pFile;
        char buffer[4];
        EXPECT_EQ(CFileException::invalidFile, FileErrorOf([&] { file.Read(buffer, 1); }).nCause);
        ASSERT_TRUE(file.Open(PathOf("data.bin").c_str(), CFile::modeReadWrite));
        file.Close();
        EXPECT_FALSE(file.IsOpen());
        for (auto& operation : std::vector<std::function<void()>>{
                 [&] { file.Read(buffer, 1); },
                 [&] { file.Write("x", 1); },
                 [&] { file.Seek(0, CFile::begin); },
                 [&] { file.GetLength(); },
                 [&] { file.GetPosition(); },
                 [&] { file.Flush(); },
             })
        {
            CFileError error = FileErrorOf(operation);
            EXPECT_EQ(CFileException::invalidFile, error.nCause);
            EXPECT_EQ(PathOf("data.bin"), error.strFileName);
        }
        EXPECT_EQ(-1, FileErrorOf([&] { file.Close(); }).nCause);
        EXPECT_EQ(-1, FileErrorOf([&] { file.Abort(); }).nCause);
    }
    EXPECT_EQ(CFileException::invalidFile,
              FileErrorOf([&] {
                  CString strLine;
                  stdioFile.ReadString(strLine);
              }).nCause);
}

TEST_F(FileTest, AnOpenFileIsNotOpenedAgain)
{
    WriteDisk("first.txt", "first");
    WriteDisk("second.txt", "second");
    for (BOOL bStdio : { FALSE, TRUE })
    {
        CStdioFile stdioFile;
        CFile plainFile;
        CFile& file = bStdio ? static_cast<CFile&>(stdioFile) : plainFile;
        ASSERT_TRUE(file.Open(PathOf("first.txt").c_str(), CFile::modeRead));
        CFileException error;
        EXPECT_FALSE(file.Open(PathOf("second.txt").c_str(), CFile::modeRead, &error));
        EXPECT_EQ(CFileException::genericException, error.m_cause);
        char buffer[5];
        ASSERT_EQ(5u, file.Read(buffer, 5));
        EXPECT_EQ("first", std::string(buffer, 5));
        EXPECT_STREQ("first.txt", file.GetFileName());
    }
}

TEST_F(FileTest, SeeksFromEveryOriginAndRefusesBadSeeks)
{
    WriteDisk("digits.txt", "0123456789");
    for (BOOL bStdio : { FALSE, TRUE })
    {
        SCOPED_TRACE(bStdio ? "CStdioFile" : "CFile");
        CStdioFile stdioFile;
        CFile plainFile;
        CFile& file = bStdio ? static_cast<CFile&>(stdioFile) : plainFile;
        ASSERT_TRUE(file.Open(PathOf("digits.txt").c_str(), CFile::modeReadWrite | CFile::typeBinary));
        EXPECT_EQ(3, file.Seek(3, CFile::begin));
        EXPECT_EQ(5, file.Seek(2, CFile::current));
        EXPECT_EQ(9, file.Seek(-1, CFile::end));
        char ch = 0;
        ASSERT_EQ(1u, file.Read(&ch, 1));
        EXPECT_EQ('9', ch);

        CFileError error = FileErrorOf([&] { file.Seek(-1, CFile::begin); });
        EXPECT_EQ(CFileException::badSeek, error.nCause);
        EXPECT_EQ(PathOf("digits.txt"), error.strFileName);
        EXPECT_EQ(CFileException::badSeek, FileErrorOf([&] { file.Seek(0, 3); }).nCause);
        EXPECT_EQ(10u, file.GetPosition());

        EXPECT_EQ(10u, file.SeekToEnd());
        file.SeekToBegin();
        ASSERT_EQ(1u, file.Read(&ch, 1));
        EXPECT_EQ('0', ch);

        // Past the end: writing there fills the gap with zeros.
        EXPECT_EQ(12, file.Seek(12, CFile::begin));
        file.Write("!", 1);
        EXPECT_EQ(13u, file.GetLength());
        file.Close();
        EXPECT_EQ(std::string("0123456789\0\0!", 13), ReadDisk("digits.txt"));
        WriteDisk("digits.txt", "0123456789");
    }
}

TEST_F(FileTest, SetLengthCutsOrExtendsAndMovesToTheNewEnd)
{
    for (BOOL bStdio : { FALSE, TRUE })
    {
        SCOPED_TRACE(bStdio ? "CStdioFile" : "CFile");
        CStdioFile stdioFile;
        CFile plainFile;
        CFile& file = bStdio ? static_cast<CFile&>(stdioFile) : plainFile;
        ASSERT_TRUE(file.Open(PathOf("sized.bin").c_str(),
                              CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary));
        file.Write("abcdef", 6);  // still buffered in the stream
        file.SetLength(3);
        EXPECT_EQ(3u, file.GetLength());
        EXPECT_EQ(3u, file.GetPosition());
        file.Write("Z", 1);
        file.SetLength(6);
        EXPECT_EQ(6u, file.GetPosition());
        file.Close();
        EXPECT_EQ(std::string("abcZ\0\0", 6), ReadDisk("sized.bin"));
    }
}

TEST_F(FileTest, CreateTruncatesUnlessNoTruncateIsGiven)
{
    WriteDisk("kept.txt", "old content");
    {
        CFile file(PathOf("kept.txt").c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(11u, file.GetLength());
        file.Write("NEW", 3);
    }
    EXPECT_EQ("NEW content", ReadDisk("kept.txt"));
    {
        CFile file(PathOf("kept.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(0u, file.GetLength());
    }
    EXPECT_EQ("", ReadDisk("kept.txt"));
    {
        CFile file(PathOf("new.txt").c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(0u, file.GetLength());
    }
    EXPECT_TRUE(std::filesystem::exists(PathOf("new.txt")));
}

#ifdef _WIN32
TEST_F(FileTest, ShareModesKeepOtherOpenersOut)
{
    WriteDisk("shared.txt", "shared");
    const std::string strPath = PathOf("shared.txt");
    {
        CFile reader(strPath.c_str(), CFile::modeRead | CFile::shareDenyWrite);
        CFileException error;
        CFile writer;
        EXPECT_FALSE(writer.Open(strPath.c_str(), CFile::modeWrite | CFile::shareDenyNone, &error));
        EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
        EXPECT_EQ(ERROR_SHARING_VIOLATION, error.m_lOsError);
        EXPECT_STREQ(strPath.c_str(), error.m_strFileName);
        EXPECT_EQ(CFileException::sharingViolation,
                  FileErrorOf([&] { CStdioFile stdioWriter(strPath.c_str(), CFile::modeWrite | CFile::shareDenyNone); })
                      .nCause);

        CFile secondReader;
        EXPECT_TRUE(secondReader.Open(strPath.c_str(), CFile::modeRead | CFile::shareDenyNone));
    }
    {
        CFile exclusive(strPath.c_str(), CFile::modeRead | CFile::shareExclusive);
        CFile reader;
        EXPECT_FALSE(reader.Open(strPath.c_str(), CFile::modeRead | CFile::shareDenyNone));
    }
    // Both closed by their destructors: an exclusive writer gets in now.
    CFile writer;
    EXPECT_TRUE(writer.Open(strPath.c_str(), CFile::modeWrite | CFile::shareExclusive));
}
#endif

#ifdef __linux__
TEST_F(FileTest, AFullDiskIsDiskFullAtWriteOrClose)
{
    CFile file("/dev/full", CFile::modeWrite);
    CFileError error = FileErrorOf([&] { file.Write("x", 1); });
    EXPECT_EQ(CFileException::diskFull, error.nCause);
    EXPECT_EQ(ENOSPC, error.lOsError);
    EXPECT_EQ("/dev/full", error.strFileName);

    // The stream holds the text back: the failure shows at Close.
    CStdioFile stdioFile("/dev/full", CFile::modeWrite);
    stdioFile.WriteString("buffered");
    EXPECT_EQ(CFileException::diskFull, FileErrorOf([&] { stdioFile.Close(); }).nCause);
    EXPECT_FALSE(stdioFile.IsOpen());
}
#endif

TEST_F(FileTest, StdioTextModeWritesCrLfOnWin32Only)
{
#ifdef _WIN32
    const std::string strText = "one\r\ntwo\r\n";
#else
    const std::string strText = "one\ntwo\n";
#endif
    const struct
    {
        UINT nType;
        std::string strOnDisk;
    } cases[] = {
        { CFile::typeText, strText },
        { 0, strText },
        { CFile::typeBinary, "one\ntwo\n" },
    };
    for (const auto& c : cases)
    {
        {
            CStdioFile file(PathOf("text.txt").c_str(), CFile::modeCreate | CFile::modeWrite | c.nType);
            file.WriteString("one\n");
            file.WriteString("");
            file.WriteString(nullptr);
            file.Write("two\n", 4);
        }
        EXPECT_EQ(c.strOnDisk, ReadDisk("text.txt")) << c.nType;
    }
}

TEST_F(FileTest, ReadStringReturnsEachLineWithoutItsLineEnd)
{
    WriteDisk("lines.txt", std::string("one\r\ntwo\n\nnul\0byte\nlast", 23));
    for (UINT nType : { CFile::typeText, CFile::typeBinary })
    {
        SCOPED_TRACE(nType);
        CStdioFile file(PathOf("lines.txt").c_str(), CFile::modeRead | nType);
        std::vector<std::string> lines;
        CString strLine("stale");
        while (file.ReadString(strLine))
            lines.push_back(Bytes(strLine));
        EXPECT_EQ((std::vector<std::string>{ "one", "two", "", std::string("nul\0byte", 8), "last" }), lines);
        EXPECT_TRUE(strLine.IsEmpty());
        EXPECT_FALSE(file.ReadString(strLine));
    }
}

TEST_F(FileTest, ReadStringReadsLinesOfAnyLength)
{
    const std::string strLong(300000, 'L');
    WriteDisk("long.txt", strLong + "\nshort\n" + strLong);
    CStdioFile file(PathOf("long.txt").c_str(), CFile::modeRead);
    CString strLine;
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ(strLong, Bytes(strLine));
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ("short", Bytes(strLine));
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ(strLong, Bytes(strLine));
    EXPECT_FALSE(file.ReadString(strLine));
}

TEST_F(FileTest, StdioStreamSwitchesBetweenReadingAndWriting)
{
    WriteDisk("mixed.bin", "abcdef");
    {
        CStdioFile file(PathOf("mixed.bin").c_str(), CFile::modeReadWrite | CFile::typeBinary);
        char buffer[2];
        ASSERT_EQ(2u, file.Read(buffer, 2));
        file.Write("XY", 2);
        ASSERT_EQ(2u, file.Read(buffer, 2));
        EXPECT_EQ("ef", std::string(buffer, 2));
        file.WriteString("gh");
        EXPECT_EQ(8u, file.GetLength());
        EXPECT_EQ(8u, file.GetPosition());
        file.SeekToBegin();
        CString strLine;
        ASSERT_TRUE(file.ReadString(strLine));
        EXPECT_EQ("abXYefgh", Bytes(strLine));
    }
    EXPECT_EQ("abXYefgh", ReadDisk("mixed.bin"));
}
