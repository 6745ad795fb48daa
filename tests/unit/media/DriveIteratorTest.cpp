// The drive helpers on a machine with a diskette drive A: (removable), the
// system drive C: (fixed) and no drive B:, D: ... Y:.
#include "CDriveIterator.h"
#include "CFilePath.h"

#include <gtest/gtest.h>

TEST(DriveIterator, NextVisitsEveryLetterWithAKnownTypeAndStopsAtZ)
{
    CDriveIterator drives;
    ASSERT_TRUE(drives.Next());
    EXPECT_EQ(drives.m_nIndex, 0);
    EXPECT_EQ(::GetDriveTypeA("b:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    ASSERT_TRUE(drives.Next());  // B: has no drive, but its type is known
    EXPECT_EQ(drives.m_nIndex, 1);

    drives.m_nIndex = 25;
    EXPECT_FALSE(drives.Next());
    EXPECT_EQ(drives.m_nIndex, 25);
}

TEST(DriveIterator, FindsDrivesByTypeAndNamesThem)
{
    CDriveIterator drives;
    ASSERT_TRUE(drives.FindNextOfType(DRIVE_REMOVABLE));
    EXPECT_EQ(drives.m_nIndex, 0);
    EXPECT_STREQ(drives.GetLetter(), "A");
    EXPECT_STREQ(drives.GetDriveRoot(), "a:\\");

    ASSERT_TRUE(drives.FindFixed());
    EXPECT_EQ(drives.m_nIndex, 2);
    EXPECT_STREQ(drives.GetLetter(), "C");
    EXPECT_STREQ(drives.GetDriveRoot(), "c:\\");

    // No CD-ROM drive after C:, and no second diskette drive: the iterator
    // stays where it was.
    EXPECT_FALSE(drives.FindNextOfType(DRIVE_CDROM));
    EXPECT_EQ(drives.m_nIndex, 2);
    EXPECT_FALSE(drives.FindNextOfType(DRIVE_REMOVABLE));
    EXPECT_EQ(drives.m_nIndex, 2);
}

TEST(DriveIterator, PathsKnowTheirDriveType)
{
    EXPECT_TRUE(CFilePath("A:\\SETUP\\DISK01\\DATA.Z01").IsOnRemovableDrive());
    EXPECT_FALSE(CFilePath("C:\\windows\\").IsOnRemovableDrive());
    EXPECT_EQ(CFilePath("c:\\windows\\").GetDriveType(), static_cast<UINT>(DRIVE_FIXED));
}
