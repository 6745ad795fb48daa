// The collections of the install profile own their records: each key holds
// one record, a record stored again under a taken key replaces the old one
// and releases it, and the collection releases what it holds when it goes.
#include "CDestinationMap.h"
#include "CDisketteArray.h"
#include "CGroupMap.h"
#include "CSourceFileList.h"
#include "CTargetMap.h"
#include "TextOperations.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace
{

// A record that counts its deletion, so a test sees which records a
// collection released (the records' destructors are virtual).
template <class TRecord>
class CTracked : public TRecord
{
public:
    template <class... TArgs>
    explicit CTracked(int& rnDeleted, TArgs&&... args)
        : TRecord(std::forward<TArgs>(args)...), m_pnDeleted(&rnDeleted)
    {
    }
    ~CTracked() override { ++*m_pnDeleted; }

private:
    int* m_pnDeleted;
};

CString AsDirectory(const char* pszPath)
{
    CString strPath(pszPath);
    EnsureTrailingBackslash(strPath);
    return strPath;
}

TEST(DestinationMapTest, StartsWithTheSystemFoldersAsDirectories)
{
    char szWindows[MAX_PATH];
    char szSystem[MAX_PATH];
    char szTemp[MAX_PATH];
    ASSERT_NE(0u, GetWindowsDirectoryA(szWindows, MAX_PATH));
    ASSERT_NE(0u, GetSystemDirectoryA(szSystem, MAX_PATH));
    ASSERT_NE(0u, GetTempPathA(MAX_PATH, szTemp));
    const struct
    {
        short nId;
        CString strPath;
    } cases[] = {
        { -2, AsDirectory(szWindows) },
        { -3, AsDirectory(szSystem) },
        { -4, AsDirectory(szTemp) },
    };

    CDestinationMap destinations;
    EXPECT_EQ(3, destinations.GetCount());
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.nId);
        const CDestination* pDestination = destinations.Lookup(test.nId);
        ASSERT_NE(nullptr, pDestination);
        EXPECT_EQ(test.nId, pDestination->m_nId);
        EXPECT_TRUE(pDestination->m_strName.IsEmpty());
        EXPECT_EQ(-1, pDestination->m_nParent);
        EXPECT_EQ(&destinations, pDestination->m_pOwner);
        EXPECT_STREQ(test.strPath, pDestination->m_path.GetPath());
    }
    EXPECT_EQ(nullptr, destinations.Lookup(0));
    EXPECT_EQ(nullptr, destinations.Lookup(-1));
}

TEST(DestinationMapTest, AddReplacesAndReleasesTheRecordOfTheSameId)
{
    int nDeleted = 0;
    {
        CDestinationMap destinations;
        CDestination* pFirst = new CTracked<CDestination>(nDeleted, short(0), "First");
        destinations.Add(pFirst);
        destinations.Add(pFirst);  // the record it already holds stays alive
        EXPECT_EQ(0, nDeleted);
        EXPECT_EQ(pFirst, destinations.Lookup(0));
        EXPECT_EQ(&destinations, pFirst->m_pOwner);

        CDestination* pSecond = new CTracked<CDestination>(nDeleted, short(0), "Second");
        destinations.Add(pSecond);
        EXPECT_EQ(1, nDeleted);
        EXPECT_EQ(pSecond, destinations.Lookup(0));
        EXPECT_EQ(4, destinations.GetCount());

        // A predefined id is replaced like any other: the profile may move it.
        CDestination* pWindows = new CTracked<CDestination>(nDeleted, short(-2));
        destinations.Add(pWindows);
        EXPECT_EQ(pWindows, destinations.Lookup(-2));
        EXPECT_TRUE(destinations.Lookup(-2)->m_path.GetPath().IsEmpty());
        EXPECT_EQ(4, destinations.GetCount());
        EXPECT_EQ(1, nDeleted);
    }
    EXPECT_EQ(3, nDeleted);  // the map released the two it still held
}

TEST(TargetMapTest, NamesDifferingOnlyInCaseAreOneTargetUnderTheLowerCaseKey)
{
    int nDeleted = 0;
    {
        CTargetMap targets;
        targets.Add(new CTracked<CTarget>(nDeleted, CString("README.TXT")));
        CTarget* pLater = new CTracked<CTarget>(nDeleted, CString("ReadMe.Txt"));
        targets.Add(pLater);
        EXPECT_EQ(1, nDeleted);
        ASSERT_EQ(1, targets.GetCount());

        for (const char* pszName : { "readme.txt", "README.TXT", "rEaDmE.tXt" })
            EXPECT_EQ(pLater, targets.Lookup(pszName)) << pszName;
        EXPECT_EQ(nullptr, targets.Lookup("readme.tx"));

        // The key is what the log is written under; the record keeps its spelling.
        POSITION position = targets.GetStartPosition();
        CString strKey;
        void* pTarget = nullptr;
        targets.GetNextAssoc(position, strKey, pTarget);
        EXPECT_STREQ("readme.txt", strKey);
        EXPECT_EQ(pLater, pTarget);
        EXPECT_STREQ("ReadMe.Txt", pLater->m_strName);
    }
    EXPECT_EQ(2, nDeleted);
}

TEST(GroupMapTest, KeysAreTheNamesExactlyAsWritten)
{
    CGroupMap groups;
    CGroup* pMain = new CGroup("Main");
    CGroup* pUpper = new CGroup("MAIN");
    groups.Add(pMain);
    groups.Add(pUpper);
    EXPECT_EQ(2, groups.GetCount());
    EXPECT_EQ(pMain, groups.Lookup("Main"));
    EXPECT_EQ(pUpper, groups.Lookup("MAIN"));
    EXPECT_EQ(nullptr, groups.Lookup("main"));

    // A repeated name replaces the earlier group.
    CGroup* pLater = new CGroup("Main");
    groups.Add(pLater);
    EXPECT_EQ(2, groups.GetCount());
    EXPECT_EQ(pLater, groups.Lookup("Main"));
    EXPECT_EQ(pUpper, groups.Lookup("MAIN"));
}

TEST(DisketteArrayTest, SetAtGrowsWithEmptyEntriesAndReplacesInPlace)
{
    CDisketteArray diskettes;
    CDisketteInfo* pThird = new CDisketteInfo{ "Disk 3", "" };
    EXPECT_TRUE(diskettes.SetAt(3, pThird));
    ASSERT_EQ(4, diskettes.GetSize());
    for (int nDiskette = 0; nDiskette < 3; nDiskette++)
        EXPECT_EQ(nullptr, diskettes.GetAt(nDiskette)) << nDiskette;
    EXPECT_EQ(pThird, diskettes.GetAt(3));

    CDisketteInfo* pFirst = new CDisketteInfo{ "Disk 1", "" };
    EXPECT_TRUE(diskettes.SetAt(1, pFirst));
    CDisketteInfo* pThirdAgain = new CDisketteInfo{ "Disk 3 again", "" };
    EXPECT_TRUE(diskettes.SetAt(3, pThirdAgain));
    EXPECT_EQ(4, diskettes.GetSize());
    EXPECT_EQ(pFirst, diskettes.GetAt(1));
    EXPECT_EQ(pThirdAgain, diskettes.GetAt(3));
}

TEST(DisketteArrayTest, NumbersNoFileCanNameAreRefusedWithoutGrowing)
{
    CDisketteArray diskettes;
    for (int nDiskette : { -1, INT_MIN, CDisketteArray::MAX_DISKETTE + 1, INT_MAX })
    {
        EXPECT_FALSE(diskettes.SetAt(nDiskette, new CDisketteInfo{ "Lost", "" })) << nDiskette;
        EXPECT_EQ(0, diskettes.GetSize()) << nDiskette;
    }
    EXPECT_TRUE(diskettes.SetAt(CDisketteArray::MAX_DISKETTE, new CDisketteInfo{ "Last", "" }));
    EXPECT_EQ(CDisketteArray::MAX_DISKETTE + 1, diskettes.GetSize());
}

TEST(SourceFileListTest, ConstructorKeepsEachValueInItsField)
{
    // The constructor takes destination before the sixth field, unlike the
    // field order; every number differs so that a mix-up shows.
    CGroup group("Main");
    const CSourceFile file("DATA.Z", 1, 5000, 7, 2, TRUE, 3, "extra", &group);
    EXPECT_STREQ("DATA.Z", file.m_strSourceName);
    EXPECT_EQ(1, file.m_nType);
    EXPECT_EQ(5000, file.m_nSize);
    EXPECT_EQ(7, file.m_nFileCount);
    EXPECT_EQ(2, file.m_nDisk);
    EXPECT_TRUE(file.m_bLastOnDisk);
    EXPECT_EQ(3, file.m_nDestination);
    EXPECT_STREQ("extra", file.m_strExtra);
    EXPECT_EQ(&group, file.m_pGroup);
}

TEST(SourceFileListTest, ReleasesItsRecordsButNotTheirGroups)
{
    int nDeleted = 0;
    CGroup group("Main");
    {
        CSourceFileList files;
        for (const char* pszName : { "A.EXE", "B.Z", "C.DLL" })
            files.AddTail(new CTracked<CSourceFile>(nDeleted, CString(pszName), 0, 10, 1, 1,
                                                    FALSE, 0, CString(), &group));
    }
    EXPECT_EQ(3, nDeleted);
    EXPECT_STREQ("Main", group.m_strName);
}

}  // namespace
