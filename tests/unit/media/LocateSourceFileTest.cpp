// The source locator's own search (source directory, then the directory of
// the wanted diskette); the prompt it falls back to is driven in the GUI
// tests.
#include "LocateSourceFile.h"
#include "MediaFixture.h"

struct RenumberCase {
    const char* directory;
    int nDiskette;
    const char* renumbered;  // null: never renumbered
};

const RenumberCase kRenumberCases[] = {
    {"\\SETUP\\DISK01", 3, "\\SETUP\\DISK03"},
    {"\\DISK01", 12, "\\DISK12"},
    {"\\DISK01", 123, "\\DISK123"},  // the name grows
    {"\\DISK09", 0, "\\DISK00"},
    {"\\DISK00", 3, nullptr},        // reads as 0
    {"\\DISKAB", 3, nullptr},        // two letters
    {"\\", 3, nullptr},              // the root: no directory part
    {"", 3, nullptr},
    {"\\7", 3, nullptr},             // two characters only
    {"\\A 7", 3, "\\A03"},           // blank, then digits
    {"\\A-1", 3, "\\A03"},           // a sign, then digits
};

TEST(LocateSourceFile, RenumbersOnlyDirectoriesEndingInADisketteNumber)
{
    for (const RenumberCase& c : kRenumberCases) {
        CString strDirectory(c.directory);
        const BOOL bRenumbered = RenumberDisketteDirectory(strDirectory, c.nDiskette);
        EXPECT_EQ(bRenumbered, c.renumbered != nullptr) << c.directory;
        EXPECT_STREQ(strDirectory, c.renumbered != nullptr ? c.renumbered : c.directory) << c.directory;
    }
}

using LocateSourceFileTest = MediaFixture;

TEST_F(LocateSourceFileTest, AFileInTheSourceDirectoryIsTakenAsItIs)
{
    MakeFile("C:\\MEDIA\\DISK01\\DATA.Z01");
    MakeFile("C:\\MEDIA\\DISK03\\DATA.Z01");
    SetSourceDirectory("C:\\MEDIA\\DISK01");
    EXPECT_TRUE(LocateSourceFile("DATA.Z01", 3));
    EXPECT_STREQ(SourceDirectory(), "C:\\MEDIA\\DISK01\\");
}

TEST_F(LocateSourceFileTest, MovesToTheWantedDisketteDirectoryForGood)
{
    MakeFile("C:\\MEDIA\\SETUP\\DISK03\\DATA.Z02");
    MakeFile("C:\\MEDIA\\SETUP\\DISK03\\README.TXT");
    MakeDirectory("C:\\MEDIA\\SETUP\\DISK01");
    SetSourceDirectory("C:\\MEDIA\\SETUP\\DISK01");

    EXPECT_TRUE(LocateSourceFile("DATA.Z02", 3));
    EXPECT_STREQ(SourceDirectory(), "C:\\MEDIA\\SETUP\\DISK03\\");
    // Later files are looked for there first.
    EXPECT_TRUE(LocateSourceFile("README.TXT", 1));
    EXPECT_STREQ(SourceDirectory(), "C:\\MEDIA\\SETUP\\DISK03\\");
}

TEST_F(LocateSourceFileTest, ADisketteNumberOfThreeDigitsGrowsTheDirectoryName)
{
    MakeFile("C:\\MEDIA\\DISK123\\DATA.Z99");
    SetSourceDirectory("C:\\MEDIA\\DISK01");
    EXPECT_TRUE(LocateSourceFile("DATA.Z99", 123));
    EXPECT_STREQ(SourceDirectory(), "C:\\MEDIA\\DISK123\\");
}
