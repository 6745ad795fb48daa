// What the install log receives besides the install records: event lines,
// the license date and the three sections the application saves after
// copying. Time comes from a clock of the test's own.
#include "CClock.h"
#include "CDestinationMap.h"
#include "CGroupMap.h"
#include "CProfileSection.h"
#include "CSetupApp.h"
#include "CTargetMap.h"
#include "CUserInfo.h"
#include "LogEvent.h"
#include "ProfileFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CFixedClock : public CClock
{
public:
    CFixedClock(WORD wYear, WORD wMonth, WORD wDay, WORD wHour, WORD wMinute, WORD wSecond,
                DWORD dwTick)
        : m_dwTick(dwTick)
    {
        m_time.wYear = wYear;
        m_time.wMonth = wMonth;
        m_time.wDay = wDay;
        m_time.wHour = wHour;
        m_time.wMinute = wMinute;
        m_time.wSecond = wSecond;
    }
    void GetLocalTime(SYSTEMTIME& rTime) const override { rTime = m_time; }
    DWORD GetTickCount() const override { return m_dwTick; }

private:
    SYSTEMTIME m_time{};
    DWORD m_dwTick;
};

TEST(LogEvent, KeysAreTimeOfDayAndTickInFourDigits)
{
    const struct {
        WORD wHour, wMinute, wSecond;
        DWORD dwTick;
        const char* pszKey;
    } kCases[] = {
        {9, 5, 7, 123456, "09:05:07:0456"},
        {9, 5, 7, 7, "09:05:07:0007"},
        {23, 59, 59, 4294967295u, "23:59:59:0295"},
        {0, 0, 0, 1000, "00:00:00:0000"},
    };
    CProfileFixture fixture;
    const CFilePath log = fixture.PathOf("Velmopi.log");
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.pszKey);
        const CFixedClock clock(1997, 6, 5, test.wHour, test.wMinute, test.wSecond, test.dwTick);
        EXPECT_EQ(22, LogEvent(log, clock, "event at %s", test.pszKey));
        EXPECT_STREQ(CString("event at ") + test.pszKey, ValueOf(log, "Events", test.pszKey));
    }
    EXPECT_EQ(4u, KeysOf(log, "Events").size());
}

TEST(LogEvent, AnEventWithTheSameKeyReplacesTheEarlierOne)
{
    CProfileFixture fixture;
    const CFilePath log = fixture.Write("Velmopi.log", "[Events]\n14:00:00:0001=earlier run\n");
    LogEvent(log, CFixedClock(1997, 6, 5, 14, 0, 0, 5001), "Could not write SMS status.");
    LogEvent(log, CFixedClock(1997, 6, 5, 14, 0, 0, 2), "second");
    LogEvent(log, CFixedClock(1997, 6, 5, 14, 0, 0, 3002), "third");
    EXPECT_EQ((std::vector<CString>{"14:00:00:0001", "14:00:00:0002"}), KeysOf(log, "Events"));
    EXPECT_STREQ("Could not write SMS status.", ValueOf(log, "Events", "14:00:00:0001"));
    EXPECT_STREQ("third", ValueOf(log, "Events", "14:00:00:0002"));
}

TEST(LogEvent, LongMessagesAreCutAt511Characters)
{
    CProfileFixture fixture;
    const CFilePath log = fixture.PathOf("Velmopi.log");
    const CString strLong('m', 700);
    const CFixedClock clock(1997, 6, 5, 10, 0, 0, 0);
    EXPECT_EQ(MAX_EVENT_MESSAGE, LogEvent(log, clock, "%s", static_cast<const char*>(strLong)));
    // Read back in full through the platform (past the 256-byte item buffer).
    char szValue[1024];
    const DWORD nLength = GetPrivateProfileStringA("Events", "10:00:00:0000", "", szValue,
                                                   sizeof szValue, log.GetPath());
    EXPECT_EQ(511u, nLength);
    EXPECT_STREQ(strLong.Left(511), szValue);
}

TEST(LogEvent, TheSystemClockGivesAKeyOfTheSameForm)
{
    CProfileFixture fixture;
    const CFilePath log = fixture.PathOf("Velmopi.log");
    EXPECT_EQ(27, LogEvent(log, "Could not write SMS status."));
    const std::vector<CString> keys = KeysOf(log, "Events");
    ASSERT_EQ(1u, keys.size());
    const CString& strKey = keys[0];
    ASSERT_EQ(13, strKey.GetLength()) << strKey;
    for (int nIndex = 0; nIndex < 13; nIndex++)
        EXPECT_EQ(nIndex % 3 == 2 && nIndex < 9, strKey[nIndex] == ':') << strKey;
}

TEST(UserInfo, WritesTheLicenseWithTodaysDate)
{
    const struct {
        WORD wYear, wMonth, wDay;
        const char* pszDate;
    } kDates[] = {
        {1997, 6, 5, "6/5/97"},
        {1999, 12, 31, "12/31/99"},
        {2005, 1, 9, "1/9/05"},
    };
    CProfileFixture fixture;
    for (const auto& date : kDates) {
        SCOPED_TRACE(date.pszDate);
        const CFilePath profile = fixture.PathOf("SETUP.ini");
        CUserInfo info;
        info.Write(profile, CFixedClock(date.wYear, date.wMonth, date.wDay, 12, 0, 0, 0));
        EXPECT_STREQ(date.pszDate, info.m_strDate);
        EXPECT_EQ((std::vector<CString>{"name", "company", "date"}), KeysOf(profile, "license"));
        EXPECT_STREQ(date.pszDate, ValueOf(profile, "license", "date"));
        EXPECT_STREQ("", ValueOf(profile, "license", "name"));
    }
}

// The application object saves its collections into its log path.
TEST(SaveSectionsToLog, WritesDestinationsGroupsAndTargetsInThisOrder)
{
    CProfileFixture fixture;
    CSetupApp app;
    app.m_pDestinations = new CDestinationMap;
    app.m_pGroups = new CGroupMap;
    app.m_pTargets = new CTargetMap;
    app.m_pLogPath = new CFilePath(fixture.PathOf("Velmopi.log"));
    app.m_pDestinations->SetPath(0, "C:\\PLUG\\Velmopi\\");
    app.m_pGroups->LoadRecord("Main", "a|b|1|1|1");
    app.m_pGroups->LoadRecord("Extra", "c|d|0|0|1");
    app.m_pTargets->LoadRecord("Viewer.EXE", "0|0|0|Viewer|||");
    app.m_pTargets->LoadRecord("Help.HLP", "0|0|0|Help|||");
    app.m_pTargets->Lookup("viewer.exe")->m_installedPath = "C:\\PLUG\\Velmopi\\Viewer.EXE";

    app.SelectGroupsByType(3);
    EXPECT_TRUE(app.m_pGroups->Lookup("Main")->m_bSelected);
    EXPECT_TRUE(app.m_pGroups->Lookup("Extra")->m_bSelected);
    app.SelectGroupsByType(0);
    EXPECT_FALSE(app.m_pGroups->Lookup("Main")->m_bSelected);

    app.SaveSectionsToLog();
    const CFilePath& log = *app.m_pLogPath;
    const CString strText = fixture.Read(log);
    const int nDestinations = strText.Find("[destinations]");
    const int nGroups = strText.Find("[groups]");
    const int nTargets = strText.Find("[targets]");
    EXPECT_EQ(0, nDestinations) << strText;
    EXPECT_LT(nDestinations, nGroups) << strText;
    EXPECT_LT(nGroups, nTargets) << strText;
    EXPECT_EQ((std::vector<CString>{"0"}), KeysOf(log, "destinations"));
    EXPECT_EQ((std::vector<CString>{"Extra", "Main"}), KeysOf(log, "groups"));
    EXPECT_EQ((std::vector<CString>{"viewer.exe"}), KeysOf(log, "targets"));
    EXPECT_STREQ("|-1|C:\\PLUG\\Velmopi\\", ValueOf(log, "destinations", "0"));
    EXPECT_STREQ("0|0|0|Viewer|||C:\\PLUG\\Velmopi\\Viewer.EXE", ValueOf(log, "targets", "viewer.exe"));
}

}  // namespace
