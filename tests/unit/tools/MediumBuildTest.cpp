// mkmedia build: a whole medium from a manifest, read back the way the
// setup program reads it.
#include "MkmediaFixture.h"

#ifdef _WIN32
#include "CDestinationMap.h"
#include "CDisketteArray.h"
#include "CGroupMap.h"
#include "CTargetMap.h"

#include <windows.h>
#endif

namespace {

class MediumBuildTest : public MkmediaTest
{
protected:
    void WriteInputs()
    {
        Write("src/setup.exe", TextBytes("MZ stand-in for the setup program"));
        Write("src/npdvi.dll", RandomBytes(150000, 3));
        Write("src/dvi.ttf", RandomBytes(90000, 4));
        Write("src/readme.txt", TextBytes("Read me.\r\n"));
    }
    std::string Manifest(const std::string& strDiskette, const std::string& strExtra = "")
    {
        return "; test medium\n"
               "[medium]\n"
               "setup = src/setup.exe\n" +
               strDiskette +
               "\n[destinations]\n"
               "0 = Velmopi | -1 |\n"
               "1 = Fonts | 0 |\n"
               "[diskettes]\n"
               "1 = Velmo Dvi Plug-in Disk 1 |\n"
               "2 = Velmo Dvi Plug-in Disk 2 |\n"
               "[groups]\n"
               "Program = Program files | | 1 | 1 | 0\n"
               "Fonts = Fonts | | 1 | 0 | 0\n"
               "[targets]\n"
               "npdvi.dll = 0 | 0 | 0 | Velmo Dvi | | \n"
               "[archive DATA.Z01]\n"
               "group = Program\n"
               "member = src/npdvi.dll | 0\n"
               "member = src/dvi.ttf | 1 | stored | font\n"
               "[file README.TXT]\n"
               "group = Fonts\n"
               "source = src/readme.txt\n"
               "destination = 0\n"
               "text = the read-me\n" +
               strExtra;
    }
    std::string ProfileValue(const std::string& strProfile, const char* pszSection, const char* pszKey)
    {
#ifdef _WIN32
        // Through the system's own INI services, as the setup program reads it.
        char szValue[512];
        GetPrivateProfileStringA(pszSection, pszKey, "<none>", szValue, sizeof szValue, strProfile.c_str());
        return szValue;
#else
        std::string strText = ReadText(strProfile);
        size_t nSection = strText.find(std::string("[") + pszSection + "]\r\n");
        if (nSection == std::string::npos)
            return "<none>";
        size_t nKey = strText.find(std::string("\r\n") + pszKey + "=", nSection);
        size_t nNext = strText.find("\r\n[", nSection + 1);
        if (nKey == std::string::npos || (nNext != std::string::npos && nKey > nNext))
            return "<none>";
        size_t nStart = nKey + 3 + std::string(pszKey).size();
        return strText.substr(nStart, strText.find("\r\n", nStart) - nStart);
#endif
    }
};

} // namespace

TEST_F(MediumBuildTest, SpreadsOverDiskettesAndReadsBack)
{
    WriteInputs();
    Write("medium.txt", TextBytes(Manifest("diskette-size = 100000\n")));
    CRunResult build = Run("build " + Quote(PathOf("medium.txt")) + " " + Quote(PathOf("out")));
    ASSERT_EQ(0, build.m_nStatus) << build.m_strErr;

    std::string strProfile = PathOf("out/DISK01/setup.ini");
    EXPECT_EQ(TextBytes("MZ stand-in for the setup program"), Read(PathOf("out/DISK01/setup.exe")));
    EXPECT_EQ("Velmopi|-1|", ProfileValue(strProfile, "destinations", "0"));
    EXPECT_EQ("Fonts|0|", ProfileValue(strProfile, "destinations", "1"));
    EXPECT_EQ("Velmo Dvi Plug-in Disk 2|", ProfileValue(strProfile, "diskettes", "2"));
    EXPECT_EQ("Program files||1|1|0", ProfileValue(strProfile, "groups", "Program"));
    EXPECT_EQ("0|0|0|Velmo Dvi||", ProfileValue(strProfile, "targets", "npdvi.dll"));
    // 240000 bytes in two members, starting on diskette 1 and running on.
    EXPECT_EQ("240000|1|2|-1|0|", ProfileValue(strProfile, "Program", "DATA.Z01"));
    std::string strReadme = ProfileValue(strProfile, "Fonts", "README.TXT");
    EXPECT_EQ(0u, strReadme.find("10|0|1|")) << strReadme;
    EXPECT_EQ("|0|the read-me", strReadme.substr(strReadme.size() - 14)) << strReadme;

    int nDiskettes = 0;
    for (const auto& entry : fs::directory_iterator(PathOf("out"))) {
        ++nDiskettes;
        std::uintmax_t nTotal = 0;
        for (const auto& file : fs::directory_iterator(entry.path()))
            nTotal += file.file_size();
        EXPECT_LE(nTotal, 100000u) << entry.path().string();
    }
    EXPECT_GE(nDiskettes, 3);
    std::string strReadmeDisk = "out/DISK0" + strReadme.substr(7, 1) + "/README.TXT";
    EXPECT_EQ(TextBytes("Read me.\r\n"), Read(PathOf(strReadmeDisk))) << strReadmeDisk;

    CRunResult extract = Run("extract " + Quote(PathOf("out/DISK01/DATA.Z01")) + " " + Quote(PathOf("x")));
    ASSERT_EQ(0, extract.m_nStatus) << extract.m_strErr;
    EXPECT_EQ(RandomBytes(150000, 3), Read(PathOf("x/npdvi.dll")));
    EXPECT_EQ(RandomBytes(90000, 4), Read(PathOf("x/dvi.ttf")));
}

#ifdef _WIN32
// The setup program's own loaders take the profile as it was written.
TEST_F(MediumBuildTest, TheProgramsLoadersReadTheProfile)
{
    WriteInputs();
    Write("medium.txt", TextBytes(Manifest("diskette-size = 100000\n")));
    ASSERT_EQ(0, Run("build " + Quote(PathOf("medium.txt")) + " " + Quote(PathOf("out"))).m_nStatus);
    CFilePath profile(PathOf("out/DISK01/setup.ini").c_str());

    CDestinationMap destinations;
    destinations.Load(profile);
    destinations.SetPath(0, "C:\\Plugins\\Velmopi\\");
    destinations.ResolveAll();
    EXPECT_STREQ("C:\\Plugins\\Velmopi\\Fonts\\", destinations.GetPath(1));

    CGroupMap groups;
    groups.Load(profile);
    CGroup* pProgram = groups.Lookup("Program");
    ASSERT_NE(nullptr, pProgram);
    EXPECT_TRUE(pProgram->m_bType1 && pProgram->m_bType2 && !pProgram->m_bType3);
    EXPECT_STREQ("Program files", pProgram->m_strFirstText);

    CTargetMap targets;
    targets.Load(profile);
    CTarget* pTarget = targets.Lookup("NPDVI.DLL");
    ASSERT_NE(nullptr, pTarget);
    EXPECT_STREQ("Velmo Dvi", pTarget->m_strTitle);

    CDisketteArray diskettes;
    diskettes.Load(profile);
    EXPECT_STREQ("Velmo Dvi Plug-in Disk 2", diskettes.GetLabel(2));
}
#endif

TEST_F(MediumBuildTest, FlatMediumKeepsEverythingInOneDirectory)
{
    WriteInputs();
    Write("medium.txt", TextBytes(Manifest("")));
    CRunResult build = Run("build " + Quote(PathOf("medium.txt")) + " " + Quote(PathOf("flat")));
    ASSERT_EQ(0, build.m_nStatus) << build.m_strErr;
    for (const char* pszName : {"setup.exe", "setup.ini", "DATA.Z01", "README.TXT"})
        EXPECT_TRUE(fs::exists(PathOf(std::string("flat/") + pszName))) << pszName;
    EXPECT_EQ("240000|1|2|1|0|", ProfileValue(PathOf("flat/setup.ini"), "Program", "DATA.Z01"));

    // A second medium into the same directory would mix with the first.
    CRunResult again = Run("build " + Quote(PathOf("medium.txt")) + " " + Quote(PathOf("flat")));
    EXPECT_EQ(1, again.m_nStatus);
    EXPECT_NE(std::string::npos, again.m_strErr.find("is not empty")) << again.m_strErr;
}

TEST_F(MediumBuildTest, RefusesAnInconsistentManifest)
{
    WriteInputs();
    const struct
    {
        const char* pszCase;
        std::string strManifest;
        const char* pszMessage;
    } cases[] = {
        {"unknown group", Manifest("", "[file X.TXT]\ngroup = Nope\nsource = src/readme.txt\n"),
         "group \"Nope\" is not in [groups]"},
        {"group without files", Manifest("", "[groups]\nEmpty = | | 0 | 0 | 0\n"), "group Empty holds no file"},
        {"unresolvable destination", Manifest("", "[destinations]\n5 = Lost | 7 |\n"), "destination 5 cannot be resolved"},
        {"undefined destination", Manifest("", "[file Y.TXT]\ngroup = Fonts\nsource = src/readme.txt\ndestination = 9\n"),
         "names destination 9"},
        {"target of no file", Manifest("", "[targets]\nghost.exe = 0|0|0|Ghost||\n"), "target ghost.exe names no file"},
        {"missing source", Manifest("", "[file Z.TXT]\ngroup = Fonts\nsource = src/none.txt\n"), "no such file"},
        {"same name twice", Manifest("", "[file readme.txt]\ngroup = Fonts\nsource = src/readme.txt\n"),
         "already on the medium"},
        {"bad line", Manifest("", "this is not a line\n"), "line 25: expected \"key = value\""},
    };
    for (const auto& c : cases) {
        Write("bad.txt", TextBytes(c.strManifest));
        CRunResult build = Run("build " + Quote(PathOf("bad.txt")) + " " + Quote(PathOf("refused")));
        EXPECT_EQ(1, build.m_nStatus) << c.pszCase;
        EXPECT_NE(std::string::npos, build.m_strErr.find(c.pszMessage)) << c.pszCase << ": " << build.m_strErr;
        EXPECT_FALSE(fs::exists(PathOf("refused"))) << c.pszCase;
    }
}
