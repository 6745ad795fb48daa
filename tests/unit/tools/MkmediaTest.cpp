#include "MkmediaFixture.h"

TEST_F(MkmediaTest, PackListTestExtractRoundTrip)
{
    CBytes text;
    for (int i = 0; i < 20000; ++i) {
        std::string strLine = "line " + std::to_string(i) + "\n";
        text.insert(text.end(), strLine.begin(), strLine.end());
    }
    CBytes random = RandomBytes(250000, 1);
    std::string strText = Write("in/text.txt", text);
    std::string strRaw = Write("in/raw.bin", RandomBytes(5000, 2));
    std::string strEmpty = Write("in/empty.dat", CBytes());
    std::string strRandom = Write("in/random.bin", random);
    // 100000-byte volumes: the random member runs through three of them.
    CRunResult pack = Run("pack --volume-size 100000 --disk-dirs " + Quote(PathOf("m/DATA.Z01")) + " --time 946684800 " +
                          Quote(strText) + " --method stored --dest 1 " + Quote(strRaw) + " --method deflate " +
                          Quote(strEmpty) + " --note \"big one\" " + Quote(strRandom));
    ASSERT_EQ(0, pack.m_nStatus) << pack.m_strErr;
    for (const char* pszVolume : {"m/DISK01/DATA.Z01", "m/DISK02/DATA.Z02", "m/DISK03/DATA.Z03", "m/DISK04/DATA.Z04"})
        EXPECT_TRUE(fs::exists(PathOf(pszVolume))) << pszVolume;
    EXPECT_FALSE(fs::exists(PathOf("m/DISK05")));

    std::string strFirst = Quote(PathOf("m/DISK01/DATA.Z01"));
    CRunResult list = Run("list " + strFirst);
    ASSERT_EQ(0, list.m_nStatus) << list.m_strErr;
    EXPECT_NE(std::string::npos, list.m_strOut.find("text.txt")) << list.m_strOut;
    EXPECT_NE(std::string::npos, list.m_strOut.find("2000-01-01 00:00:00")) << list.m_strOut;
    EXPECT_NE(std::string::npos, list.m_strOut.find("stored      1")) << list.m_strOut;
    EXPECT_NE(std::string::npos, list.m_strOut.find("     250000     250000 stored ")) << list.m_strOut;
    EXPECT_NE(std::string::npos, list.m_strOut.find(" yes")) << list.m_strOut;

    CRunResult test = Run("test " + strFirst);
    EXPECT_EQ(0, test.m_nStatus) << test.m_strErr;
    EXPECT_NE(std::string::npos, test.m_strOut.find("4 members OK")) << test.m_strOut;

    CRunResult extract = Run("extract " + strFirst + " " + Quote(PathOf("out")));
    ASSERT_EQ(0, extract.m_nStatus) << extract.m_strErr;
    EXPECT_EQ(text, Read(PathOf("out/text.txt")));
    EXPECT_EQ(RandomBytes(5000, 2), Read(PathOf("out/raw.bin")));
    EXPECT_TRUE(fs::exists(PathOf("out/empty.dat")));
    EXPECT_TRUE(Read(PathOf("out/empty.dat")).empty());
    EXPECT_EQ(random, Read(PathOf("out/random.bin")));
    auto tWritten = fs::last_write_time(PathOf("out/text.txt"));
    auto tExpected = fs::last_write_time(strText);
    EXPECT_NE(tExpected, tWritten);  // --time replaced the file's own time
    EXPECT_EQ(tWritten, fs::last_write_time(PathOf("out/random.bin")));
}

TEST_F(MkmediaTest, TestNamesTheFirstDamagedMember)
{
    std::string strText;
    for (int i = 0; i < 20000; ++i)
        strText += "line " + std::to_string(i * 7919 % 20000) + "\n";
    CBytes text = TextBytes(strText);
    std::string strA = Write("a.txt", TextBytes("first member"));
    std::string strB = Write("b.txt", text);
    ASSERT_EQ(0, Run("pack " + Quote(PathOf("DATA.Z01")) + " " + Quote(strA) + " " + Quote(strB)).m_nStatus);
    CBytes archive = Read(PathOf("DATA.Z01"));
    archive[archive.size() - 5000] ^= 0xFF;  // inside b.txt's deflate data
    Write("DATA.Z01", archive);
    CRunResult test = Run("test " + Quote(PathOf("DATA.Z01")));
    EXPECT_EQ(1, test.m_nStatus);
    EXPECT_NE(std::string::npos, test.m_strErr.find("member b.txt: damaged")) << test.m_strErr;

    Write("DATA.Z01", CBytes{'n', 'o', 'p', 'e', 0, 0, 0, 0});
    test = Run("test " + Quote(PathOf("DATA.Z01")));
    EXPECT_EQ(1, test.m_nStatus);
    EXPECT_NE(std::string::npos, test.m_strErr.find("not an archive file")) << test.m_strErr;
}

TEST_F(MkmediaTest, ExtractNeverWritesOutsideItsDirectory)
{
    std::string strSource = Write("evil.txt", TextBytes("payload"));
    ASSERT_EQ(0, Run("pack " + Quote(PathOf("DATA.Z01")) + " --name \"..\\..\\escaped.txt\" " + Quote(strSource) +
                     " --name ../up.txt " + Quote(strSource))
                     .m_nStatus);
    CRunResult extract = Run("extract " + Quote(PathOf("DATA.Z01")) + " " + Quote(PathOf("deep/target")));
    ASSERT_EQ(0, extract.m_nStatus) << extract.m_strErr;
    EXPECT_EQ(TextBytes("payload"), Read(PathOf("deep/target/escaped.txt")));
    EXPECT_EQ(TextBytes("payload"), Read(PathOf("deep/target/up.txt")));
    EXPECT_FALSE(fs::exists(PathOf("escaped.txt")));
    EXPECT_FALSE(fs::exists(PathOf("deep/up.txt")));
}

TEST_F(MkmediaTest, UsageAndBadArguments)
{
    CRunResult help = Run("--help");
    EXPECT_EQ(0, help.m_nStatus);
    EXPECT_NE(std::string::npos, help.m_strOut.find("build MANIFEST OUTDIR"));
    EXPECT_EQ(2, Run("list").m_nStatus);
    CRunResult bad = Run("pack " + Quote(PathOf("X.Z01")) + " --method lzw " + Quote(PathOf("none")));
    EXPECT_EQ(1, bad.m_nStatus);
    EXPECT_NE(std::string::npos, bad.m_strErr.find("--method")) << bad.m_strErr;
    CRunResult missing = Run("pack " + Quote(PathOf("X.Z01")) + " " + Quote(PathOf("none")));
    EXPECT_EQ(1, missing.m_nStatus);
    EXPECT_NE(std::string::npos, missing.m_strErr.find("file not found")) << missing.m_strErr;
}
