// What the window shows when it opens: the default date (today's day and
// month, 18 years back) and its readings, on today's date and on chosen ones.
#include "Checks.h"
#include "Expected.h"
#include "KalvioApp.h"
#include "Ui.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

TEST(StartUp, TodayShowsTheDefaultDateAndItsReadingsFromTheFirstMoment)
{
    SYSTEMTIME before{}, after{};
    GetLocalTime(&before);
    KalvioApp app = KalvioApp::Start();
    GetLocalTime(&after);
    if (before.wDay != after.wDay) GTEST_SKIP() << "the date changed while Kalvio was starting";

    const int year = before.wYear, month = before.wMonth;
    const int days = DaysInMonth(year - 18, month);
    const int day = std::min<int>(before.wDay, days);
    ExpectStartUpLists(app, year - 150, year - 18, month, days, day);
    ExpectFirstSight(app, LifeNumber(std::to_wstring(year - 18), std::to_wstring(month), std::to_wstring(day)));
}

TEST(StartUp, On15March2026ShowsYears1876To2036With15March2008AndNumber1)
{
    KalvioApp app = KalvioApp::StartOn("2026-03-15 10:00:00");
    ExpectStartUpLists(app, 1876, 2008, 3, 31, 15);
    ExpectFirstSight(app, 1);  // 2+0+0+8+3+1+5 = 19, 10, 1
}

TEST(StartUp, On29February2028SelectsTheLastDayOf2010sShortFebruary)
{
    KalvioApp app = KalvioApp::StartOn("2028-02-29 10:00:00");
    ExpectStartUpLists(app, 1878, 2010, 2, 28, 28);
    ExpectFirstSight(app, 6);  // 2010-2-28: 15, 6

    // The day list stays usable; a leap year brings the 29th back and selects it.
    EXPECT_TRUE(PickAndCheck(app, Form1Id::Combo3, 3));
    EXPECT_TRUE(PickAndCheck(app, Form1Id::Combo1, 2008));
    EXPECT_EQ(ui::Items(app.Control(Form1Id::Combo3)), NumberTexts(1, 29));
    EXPECT_EQ(ui::SelectedText(app.Control(Form1Id::Combo3)), L"29");
}

TEST(StartUp, On31May2026ThenAprilSelectsTheLastDayOfApril)
{
    KalvioApp app = KalvioApp::StartOn("2026-05-31 10:00:00");
    ExpectStartUpLists(app, 1876, 2008, 5, 31, 31);
    ExpectFirstSight(app, 1);  // 2008-5-31: 19, 10, 1

    EXPECT_TRUE(PickAndCheck(app, Form1Id::Combo2, 4));
    EXPECT_EQ(ui::Items(app.Control(Form1Id::Combo3)), NumberTexts(1, 30));
    EXPECT_EQ(ui::SelectedText(app.Control(Form1Id::Combo3)), L"30");
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label4)), L"8");  // 2008-4-30: 17, 8
}

// Past the end of 32-bit Unix time (19 January 2038).
TEST(StartUp, On20January2038ShowsYears1888To2048)
{
    KalvioApp app = KalvioApp::StartOn("2038-01-20 10:00:00");
    ExpectStartUpLists(app, 1888, 2020, 1, 31, 20);
    ExpectFirstSight(app, 7);  // 2020-1-20: 7
}

TEST(StartUp, On1March2100ShowsYears1950To2110)
{
    KalvioApp app = KalvioApp::StartOn("2100-03-01 10:00:00");
    ExpectStartUpLists(app, 1950, 2082, 3, 31, 1);
    ExpectFirstSight(app, 7);  // 2082-3-1: 16, 7
}

TEST(StartUp, TwoInstancesRunSideBySideWithoutTouchingEachOther)
{
    KalvioApp first = KalvioApp::StartOn("2026-03-15 10:00:00");
    KalvioApp second = KalvioApp::StartOn("2038-01-20 10:00:00");
    ASSERT_NE(first.Pid(), second.Pid());
    ASSERT_NE(first.Main(), second.Main());
    ExpectStartUpLists(first, 1876, 2008, 3, 31, 15);
    ExpectStartUpLists(second, 1888, 2020, 1, 31, 20);

    EXPECT_TRUE(PickAndCheck(first, Form1Id::Combo2, 4));
    EXPECT_TRUE(PickAndCheck(second, Form1Id::Combo3, 9));
    ExpectStartUpLists(second, 1888, 2020, 1, 31, 9);
    EXPECT_EQ(ui::Items(first.Control(Form1Id::Combo3)), NumberTexts(1, 30));
    EXPECT_EQ(ui::SelectedText(first.Control(Form1Id::Combo3)), L"15");
    EXPECT_TRUE(ShowsReadingsOfListedDate(first));

    // Closing one leaves the other running and answering.
    ui::PressCloseButton(first.Main());
    DWORD exitCode = 1;
    ASSERT_TRUE(first.WaitForExit(10000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(WaitForSingleObject(second.Process(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(PickAndCheck(second, Form1Id::Combo2, 2));
    EXPECT_EQ(ui::Items(second.Control(Form1Id::Combo3)), NumberTexts(1, 29));  // 2020 is a leap year
}

}  // namespace
