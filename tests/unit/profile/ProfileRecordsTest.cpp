// The records of the profile's sections as values: what a loader makes of
// one key and value, what a save writes back, and how destinations resolve.
// No file is involved, so these run natively as well.
#include "CDestinationMap.h"
#include "CDisketteArray.h"
#include "CGroupMap.h"
#include "CInstallProfileException.h"
#include "CTargetMap.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kInstallFolder[] = "C:\\PLUG\\Velmopi\\";

TEST(DestinationsResolve, ALongChainInReverseOrderTakesEveryPass)
{
    // Each pass settles one level when every child comes before its parent.
    CDestinationMap destinations;
    CString strExpected(kInstallFolder);
    destinations.SetPath(0, kInstallFolder);
    for (short nId = 1; nId <= 40; nId++) {
        CString strName;
        strName.Format("L%d", nId);
        destinations.SetNameParent(short(-10 - nId), strName, nId == 1 ? 0 : short(-9 - nId));
        strExpected += strName + "\\";
    }
    EXPECT_EQ(-1, ErrorCodeOf<CInstallProfileException>([&] { destinations.ResolveAll(); }));
    EXPECT_STREQ(strExpected, destinations.GetPath(-50));
}

TEST(DestinationMap, AnIdWithoutARecordHasNoPath)
{
    CDestinationMap destinations;
    EXPECT_STREQ("", destinations.GetPath(7));
    EXPECT_EQ(nullptr, destinations.Lookup(7));
}

TEST(DestinationMap, DeepestDirectoriesComeFirst)
{
    CDestinationMap destinations;
    destinations.SetPath(0, "C:\\PLUG\\Velmopi\\");
    destinations.SetPath(1, "C:\\PLUG\\Velmopi\\Dvi\\Sub\\");
    destinations.SetPath(2, "c:\\plug\\velmopi\\DVI\\");
    destinations.SetPath(3, "C:\\PLUG\\Velmopi2\\");
    destinations.SetPath(4, "");                        // never resolved: nothing to remove
    destinations.SetPath(-1, "C:\\PLUG\\Velmopi\\Neg\\");  // negative ids are not ours
    CPtrArray order;
    destinations.GetDeepestFirst(order);
    std::vector<short> ids;
    for (int nIndex = 0; nIndex < order.GetSize(); nIndex++)
        ids.push_back(static_cast<const CDestination*>(order[nIndex])->m_nId);
    // 3 is no parent of the others and may come anywhere; this is where the
    // order of the texts puts it.
    EXPECT_EQ((std::vector<short>{1, 2, 0, 3}), ids);
}

TEST(ProfileRecords, SavedValuesLoadBackAsTheSameRecords)
{
    CDestinationMap destinations;
    destinations.LoadRecord("4", "Dvi|0|C:\\PLUG\\Dvi\\");
    const CString strDestination = CDestinationMap::FormatRecord(*destinations.Lookup(4));
    EXPECT_STREQ("Dvi|0|C:\\PLUG\\Dvi\\", strDestination);

    CTargetMap targets;
    targets.LoadRecord("A.EXE", "-3|9|1|Title|/x|a.ico|C:\\PLUG\\A.EXE");
    EXPECT_STREQ("-3|9|1|Title|/x|a.ico|C:\\PLUG\\A.EXE",
                 CTargetMap::FormatRecord(*targets.Lookup("a.exe")));
    targets.LoadRecord("B.EXE", "");
    EXPECT_STREQ("0|0|0||||", CTargetMap::FormatRecord(*targets.Lookup("b.exe")));

    CGroupMap groups;
    groups.LoadRecord("Main", "one|two|5|0|-1");
    EXPECT_STREQ("one|two|1|0|1", CGroupMap::FormatRecord(*groups.Lookup("Main")));
    groups.LoadRecord("Bare", "");
    EXPECT_STREQ("||0|0|0", CGroupMap::FormatRecord(*groups.Lookup("Bare")));
}

TEST(ProfileRecords, DisketteKeysMustBeNumbersInDigits)
{
    CDisketteArray diskettes;
    for (const char* pszKey : {"A", "-1", "2b", " 2", "32769", "99999999999", ""})
        diskettes.LoadRecord(pszKey, "Wrong");
    EXPECT_EQ(0, diskettes.GetSize());
    diskettes.LoadRecord("0002", "Two|x");
    diskettes.LoadRecord("32768", "Last");
    EXPECT_STREQ("Two", diskettes.GetLabel(2));
    EXPECT_STREQ("Last", diskettes.GetLabel(32768));
    EXPECT_STREQ("", diskettes.GetLabel(1));
    EXPECT_STREQ("", diskettes.GetLabel(40000));
}

}  // namespace
