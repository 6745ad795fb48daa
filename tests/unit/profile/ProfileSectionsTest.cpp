// The sections of the install profile loaded from real INI files, the
// destinations resolved, and the sections saved back as the install log
// holds them.
#include "CDestinationMap.h"
#include "CDisketteArray.h"
#include "CGroupMap.h"
#include "CInstallProfileException.h"
#include "CProfileSection.h"
#include "CTargetMap.h"
#include "LoadProfileSections.h"
#include "ProfileFixture.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kInstallFolder[] = "C:\\PLUG\\Velmopi\\";

TEST(DestinationsLoad, WithoutKeysTheProfileIsIncomplete)
{
    CProfileFixture fixture;
    const char* kProfiles[] = {
        "[groups]\nMain=a|b|1|1|1\n[targets]\nX.EXE=0|0|0|X|||\n",
        "[destinations]\n[groups]\nMain=a|b|1|1|1\n",
        "[Destinations2]\n0=Velmopi\n",
    };
    int nProfile = 0;
    for (const char* pszProfile : kProfiles) {
        SCOPED_TRACE(pszProfile);
        CString strName;
        strName.Format("p%d.ini", nProfile++);
        const CFilePath file = fixture.Write(strName, pszProfile);
        CDestinationMap destinations;
        EXPECT_EQ(PROFILE_NO_DESTINATIONS, ErrorCodeOf<CInstallProfileException>([&] { destinations.Load(file); }));
        EXPECT_EQ(3, destinations.GetCount());
    }
    CDestinationMap destinations;
    EXPECT_EQ(PROFILE_NO_DESTINATIONS,
              ErrorCodeOf<CInstallProfileException>([&] { destinations.Load(fixture.PathOf("missing.ini")); }));
}

TEST(DestinationsLoad, ProfileErrorsCarryTheProfileTexts)
{
    for (int nCode : {PROFILE_NO_DESTINATIONS, PROFILE_UNRESOLVED_DESTINATIONS}) {
        CInstallProfileException e(nCode);
        e.LoadErrorText();
        EXPECT_STREQ("Incomplete or missing profile.", g_strErrorShort);
        EXPECT_STREQ("The profile that holds application install information is missing or "
                     "damaged. Possible causes:\r\n\r\n- damaged diskette 1\r\n- possible "
                     "diskette alignment or hardware problem\r\n- insufficient disk space",
                     g_strErrorLong);
    }
}

struct DestinationExpected {
    short nId;
    const char* pszName;
    short nParent;
    const char* pszPath;  // after ResolveAll with destination 0 set
};

struct DestinationCase {
    const char* pszWhat;
    const char* pszProfile;
    std::vector<DestinationExpected> expected;
};

TEST(DestinationsLoad, RecordsResolveFromTheirParents)
{
    const DestinationCase kCases[] = {
        {"a child listed before its parent",
         "[destinations]\n2=Sub|1\n1=Dvi|0\n0=Velmopi\n",
         {{1, "Dvi", 0, "C:\\PLUG\\Velmopi\\Dvi\\"}, {2, "Sub", 1, "C:\\PLUG\\Velmopi\\Dvi\\Sub\\"}}},
        {"a path of its own beside a parent",
         "[destinations]\n0=Velmopi\n1=Fonts|0|D:\\FONTS\\\n2=Sub|1|\n",
         {{1, "Fonts", 0, "D:\\FONTS\\"}, {2, "Sub", 1, "D:\\FONTS\\Sub\\"}}},
        {"a path without its final backslash",
         "[destinations]\n0=Velmopi\n1=Fonts|-1|D:\\FONTS\n",
         {{1, "Fonts", -1, "D:\\FONTS\\"}}},
        {"a value without separators",
         "[destinations]\n0=Velmopi\n5=Lonely\n",
         {{5, "Lonely", -1, ""}}},
        {"key 65535 is id -1",
         "[destinations]\n0=Velmopi\n65535=Odd|0\n",
         {{-1, "Odd", 0, "C:\\PLUG\\Velmopi\\Odd\\"}}},
        {"predefined ids replaced",
         "[destinations]\n0=Velmopi\n-2=Win|-1|\n-3=|-1|E:\\SYS\\\n3=Fonts|-2\n",
         {{-2, "Win", -1, ""}, {-3, "", -1, "E:\\SYS\\"}}},
        // The platform answers a key with its first line in the section, so a
        // repeated id loads the first value again.
        {"a repeated id",
         "[destinations]\n0=Velmopi\n1=First|0\n1=Second|0\n",
         {{1, "First", 0, "C:\\PLUG\\Velmopi\\First\\"}}},
    };
    CProfileFixture fixture;
    int nCase = 0;
    for (const DestinationCase& test : kCases) {
        SCOPED_TRACE(test.pszWhat);
        CString strName;
        strName.Format("d%d.ini", nCase++);
        CDestinationMap destinations;
        destinations.Load(fixture.Write(strName, test.pszProfile));
        destinations.SetPath(0, kInstallFolder);
        // Destination 3 of one case names -2, whose path the profile took away.
        const int nError = ErrorCodeOf<CInstallProfileException>([&] { destinations.ResolveAll(); });
        EXPECT_EQ(destinations.Lookup(3) != nullptr ? PROFILE_UNRESOLVED_DESTINATIONS : -1, nError);
        for (const DestinationExpected& expected : test.expected) {
            SCOPED_TRACE(expected.nId);
            const CDestination* pDestination = destinations.Lookup(expected.nId);
            ASSERT_NE(nullptr, pDestination);
            EXPECT_STREQ(expected.pszName, pDestination->m_strName);
            EXPECT_EQ(expected.nParent, pDestination->m_nParent);
            EXPECT_STREQ(expected.pszPath, destinations.GetPath(expected.nId));
        }
    }
}

TEST(DestinationsResolve, UnreachableParentsEndInCodeOne)
{
    const char* kProfiles[] = {
        "[destinations]\n0=Velmopi\n2=A|3\n3=B|2\n",   // each other's parent
        "[destinations]\n0=Velmopi\n2=A|2\n",          // its own parent
        "[destinations]\n0=Velmopi\n2=A|9\n",          // no such parent
        "[destinations]\n0=Velmopi\n2=A|1\n1=B|-2\n-2=|-1|\n",  // a parent without a path
    };
    CProfileFixture fixture;
    int nProfile = 0;
    for (const char* pszProfile : kProfiles) {
        SCOPED_TRACE(pszProfile);
        CString strName;
        strName.Format("r%d.ini", nProfile++);
        CDestinationMap destinations;
        destinations.Load(fixture.Write(strName, pszProfile));
        destinations.SetPath(0, kInstallFolder);
        EXPECT_EQ(PROFILE_UNRESOLVED_DESTINATIONS, ErrorCodeOf<CInstallProfileException>([&] { destinations.ResolveAll(); }));
    }
}

TEST(DestinationsLoad, AValueCutByTheReadBufferLosesItsPath)
{
    CProfileFixture fixture;
    const CString strLongPath = "C:\\" + CString('d', 240) + "\\Velmopi\\";
    const CFilePath file = fixture.Write("cut.ini", "[destinations]\n0=Velmopi|-1|" + strLongPath + "\n");
    CDestinationMap destinations;
    destinations.Load(file);
    // The read gives "C:\ddd...d\Vel": a directory that was never installed to.
    EXPECT_STREQ("", destinations.GetPath(0));
}

TEST(TargetsLoad, KeysDifferingInCaseAreOneTargetAndFieldsLandInPlace)
{
    CProfileFixture fixture;
    const CFilePath file = fixture.Write("t.ini",
                                         "[targets]\n"
                                         "Viewer.EXE=65535|7|0|Dvi Viewer|/s x|icons\\v.ico|\n"
                                         "VIEWER.exe=1|2|1|Second|/a|v.ico|\n"
                                         "Short.TXT=3\n");
    CTargetMap targets;
    targets.Load(file);
    ASSERT_EQ(2, targets.GetCount());
    // The later key names the record. Keys compare without case on the
    // platform too, which answers both with the first line's value.
    const CTarget* pViewer = targets.Lookup("viewer.exe");
    ASSERT_NE(nullptr, pViewer);
    EXPECT_STREQ("VIEWER.exe", pViewer->m_strName);
    EXPECT_EQ(-1, pViewer->m_nIconIndex);
    EXPECT_EQ(7, pViewer->m_nNumber);
    EXPECT_FALSE(pViewer->m_bMinimized);
    EXPECT_STREQ("Dvi Viewer", pViewer->m_strTitle);
    EXPECT_STREQ("/s x", pViewer->m_strArguments);
    EXPECT_STREQ("icons\\v.ico", pViewer->m_strIconFile);
    EXPECT_STREQ("", pViewer->m_installedPath.GetPath());

    const CTarget* pShort = targets.Lookup("SHORT.TXT");
    ASSERT_NE(nullptr, pShort);
    EXPECT_EQ(3, pShort->m_nIconIndex);
    EXPECT_EQ(0, pShort->m_nNumber);  // fields the record lacks
    EXPECT_FALSE(pShort->m_bMinimized);
    EXPECT_STREQ("", pShort->m_strTitle);
}

TEST(GroupsLoad, FlagsDecideTheSelectionOfEachSetupType)
{
    CProfileFixture fixture;
    const CFilePath file = fixture.Write("g.ini",
                                         "[groups]\n"
                                         "Main=Program|The viewer|1|1|1\n"
                                         "Fonts=Fonts||0|1|0\n"
                                         "Help=|x|0|0|7\n"
                                         "Bare=\n");
    CGroupMap groups;
    groups.Load(file);
    ASSERT_EQ(4, groups.GetCount());
    const CGroup* pMain = groups.Lookup("Main");
    ASSERT_NE(nullptr, pMain);
    EXPECT_STREQ("Program", pMain->m_strFirstText);
    EXPECT_STREQ("The viewer", pMain->m_strSecondText);
    EXPECT_STREQ("x", groups.Lookup("Help")->m_strSecondText);

    const struct {
        int nType;
        std::vector<const char*> selected;
    } kTypes[] = {
        {0, {}},
        {1, {"Main"}},
        {2, {"Fonts", "Main"}},
        {3, {"Help", "Main"}},
        {4, {"Bare", "Fonts", "Help", "Main"}},
        {5, {}},
    };
    for (const auto& type : kTypes) {
        SCOPED_TRACE(type.nType);
        groups.Lookup("Bare")->m_bSelected = TRUE;  // a previous choice is overridden
        groups.SelectByType(type.nType);
        std::vector<const char*> selected;
        for (const char* pszName : {"Bare", "Fonts", "Help", "Main"})
            if (groups.Lookup(pszName)->m_bSelected)
                selected.push_back(pszName);
        EXPECT_EQ(type.selected.size(), selected.size());
        for (size_t n = 0; n < selected.size() && n < type.selected.size(); n++)
            EXPECT_STREQ(type.selected[n], selected[n]);
    }
}

TEST(DiskettesLoad, OnlyDiskettesNumberedInDigitsGetLabels)
{
    CProfileFixture fixture;
    const CFilePath file = fixture.Write("k.ini",
                                         "[diskettes]\n"
                                         "1=Disk One|first\n"
                                         "003=Disk Three\n"
                                         "A=Letter\n"
                                         "-1=Negative\n"
                                         "2b=Suffix\n"
                                         "32769=Too far\n"
                                         "0=|empty label\n");
    CDisketteArray diskettes;
    diskettes.Load(file);
    EXPECT_EQ(4, diskettes.GetSize());
    const struct {
        int nDiskette;
        const char* pszLabel;
    } kLabels[] = {{0, ""}, {1, "Disk One"}, {2, ""}, {3, "Disk Three"}, {4, ""}, {-1, ""},
                   {32769, ""}};
    for (const auto& label : kLabels)
        EXPECT_STREQ(label.pszLabel, diskettes.GetLabel(label.nDiskette)) << label.nDiskette;
    EXPECT_STREQ("first", static_cast<const CDisketteInfo*>(diskettes[1])->m_strSecondText);
    EXPECT_EQ(nullptr, diskettes[2]);
}

TEST(ProfileLoad, SectionsLoadInTheirOrderAndAGroupMayLackItsSection)
{
    CProfileFixture fixture;
    const CFilePath file = fixture.Write("full.ini",
                                         "[diskettes]\n1=Disk 1\n"
                                         "[targets]\nViewer.exe=0|0|0|Viewer|||\n"
                                         "[groups]\nMain=a|b|1|1|1\nExtra=c|d|0|1|0\n"
                                         "[Main]\nVIEWER.EXE=100|0|1|1|0|\n"
                                         "[destinations]\n0=Velmopi\n");
    CDestinationMap destinations;
    CGroupMap groups;
    CTargetMap targets;
    CDisketteArray diskettes;
    std::vector<CString> steps;
    LoadProfileSections(
        file, destinations, groups, targets, diskettes,
        [&] {
            steps.push_back("file list");
            // What the file list walks: a section for every group, or none.
            EXPECT_EQ(2, groups.GetCount());
            EXPECT_EQ(1u, KeysOf(file, "Main").size());
            EXPECT_TRUE(KeysOf(file, "Extra").empty());
        },
        [&] {
            CString strStep;
            strStep.Format("%d %d %d %d", destinations.GetCount(), groups.GetCount(),
                           targets.GetCount(), diskettes.GetSize());
            steps.push_back(strStep);
        });
    EXPECT_EQ((std::vector<CString>{"4 0 0 0", "4 2 0 0", "4 2 1 0", "file list", "4 2 1 0",
                                    "4 2 1 2"}),
              steps);
}

TEST(ProfileLoad, NothingLoadsAfterMissingDestinations)
{
    CProfileFixture fixture;
    const CFilePath file = fixture.Write("nodest.ini", "[groups]\nMain=a|b|1|1|1\n");
    CDestinationMap destinations;
    CGroupMap groups;
    CTargetMap targets;
    CDisketteArray diskettes;
    int nSteps = 0;
    EXPECT_EQ(PROFILE_NO_DESTINATIONS, ErrorCodeOf<CInstallProfileException>([&] {
                  LoadProfileSections(file, destinations, groups, targets, diskettes,
                                      [&] { nSteps++; }, [&] { nSteps++; });
              }));
    EXPECT_EQ(0, nSteps);
    EXPECT_EQ(0, groups.GetCount());
}

// The three sections as the log holds them, written over an earlier log.
TEST(SectionsSave, ALogWrittenTwiceUpdatesInPlaceAndKeepsOldKeys)
{
    CProfileFixture fixture;
    const CFilePath log = fixture.Write("Velmopi.log",
                                        "[Main]\nviewer.exe=0|1|0\n"
                                        "[destinations]\n7=Old|0|C:\\OLD\\\n1=Stale|0|C:\\STALE\\\n"
                                        "[targets]\nold.exe=0|0|0|Old|||C:\\OLD\\old.exe\n");
    CDestinationMap destinations;
    destinations.SetPath(0, kInstallFolder);
    destinations.SetNameParent(1, "Dvi", 0);
    destinations.ResolveAll();
    CGroupMap groups;
    groups.LoadRecord("Main", "Program|Viewer|1|1|0");
    groups.LoadRecord("Extra", "||0|0|1");
    CTargetMap targets;
    targets.LoadRecord("Viewer.EXE", "2|5|1|Dvi Viewer|/s||");
    targets.LoadRecord("Help.HLP", "0|0|0|Help|||");  // never installed
    targets.Lookup("viewer.exe")->m_installedPath = "C:\\PLUG\\Velmopi\\Viewer.EXE";

    destinations.Save(log);
    groups.Save(log);
    targets.Save(log);

    EXPECT_EQ((std::vector<CString>{"7", "1", "0"}), KeysOf(log, "destinations"));
    EXPECT_STREQ("|-1|C:\\PLUG\\Velmopi\\", ValueOf(log, "destinations", "0"));
    EXPECT_STREQ("Dvi|0|C:\\PLUG\\Velmopi\\Dvi\\", ValueOf(log, "destinations", "1"));
    EXPECT_STREQ("Old|0|C:\\OLD\\", ValueOf(log, "destinations", "7"));
    EXPECT_EQ((std::vector<CString>{"Extra", "Main"}), KeysOf(log, "groups"));
    EXPECT_STREQ("Program|Viewer|1|1|0", ValueOf(log, "groups", "Main"));
    EXPECT_STREQ("||0|0|1", ValueOf(log, "groups", "Extra"));
    EXPECT_EQ((std::vector<CString>{"old.exe", "viewer.exe"}), KeysOf(log, "targets"));
    EXPECT_STREQ("2|5|1|Dvi Viewer|/s||C:\\PLUG\\Velmopi\\Viewer.EXE",
                 ValueOf(log, "targets", "viewer.exe"));
    EXPECT_STREQ("0|1|0", ValueOf(log, "Main", "viewer.exe"));

    // The uninstaller reads the same records back from the log.
    CDestinationMap loaded;
    loaded.Load(log);
    EXPECT_STREQ("C:\\PLUG\\Velmopi\\Dvi\\", loaded.GetPath(1));
    EXPECT_NE(nullptr, loaded.Lookup(-2));
    CTargetMap loadedTargets;
    loadedTargets.Load(log);
    EXPECT_STREQ("C:\\PLUG\\Velmopi\\Viewer.EXE",
                 loadedTargets.Lookup("VIEWER.EXE")->m_installedPath.GetPath());
}

}  // namespace
