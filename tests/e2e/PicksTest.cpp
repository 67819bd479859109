// Picks made with the mouse and keyboard: the day list follows the month
// and the leap year, and every pick shows the number and readings of the
// date in the lists. Kalvio runs on 15 March 2026 (defaults 15 March 2008).
#include "Checks.h"
#include "Expected.h"
#include "KalvioApp.h"
#include "Ui.h"

#include <gtest/gtest.h>

namespace {

class Picks : public ::testing::Test {
protected:
    std::vector<std::wstring> Days() const { return ui::Items(app.Control(Form1Id::Combo3)); }
    std::wstring Day() const { return ui::SelectedText(app.Control(Form1Id::Combo3)); }

    KalvioApp app = KalvioApp::StartOn("2026-03-15 10:00:00");
};

TEST_F(Picks, DayListFollowsTheMonthAndReselectsToday)
{
    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo3, 31));
    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo2, 4));
    EXPECT_EQ(Days(), NumberTexts(1, 30));
    EXPECT_EQ(Day(), L"15");

    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo3, 30));
    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo2, 12));
    EXPECT_EQ(Days(), NumberTexts(1, 31));
    EXPECT_EQ(Day(), L"15");

    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo2, 2));
    EXPECT_EQ(Days(), NumberTexts(1, 29));  // 2008 is a leap year
    EXPECT_EQ(Day(), L"15");

    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo2, 9));
    EXPECT_EQ(Days(), NumberTexts(1, 30));
}

TEST_F(Picks, FebruaryHas29DaysOnlyInLeapYears)
{
    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo2, 2));
    const struct {
        int year;
        int days;
    } years[] = {{2000, 29}, {1900, 28}, {2024, 29}, {2023, 28}, {2010, 28}, {1996, 29}};
    for (const auto& c : years) {
        SCOPED_TRACE(c.year);
        // A day other than today's, to see the refill select today's again.
        ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo3, 20));
        ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo1, c.year));
        EXPECT_EQ(Days(), NumberTexts(1, c.days));
        EXPECT_EQ(Day(), L"15");
    }
}

TEST_F(Picks, YearPickUnderAnotherMonthLeavesTheDayListAlone)
{
    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo2, 4));
    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo3, 7));
    for (int year : {1999, 2024, 1900}) {
        SCOPED_TRACE(year);
        ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo1, year));
        EXPECT_EQ(Days(), NumberTexts(1, 30));
        EXPECT_EQ(Day(), L"7");
    }
}

TEST_F(Picks, TypedTextStaysInABoxUntilTheNextPick)
{
    const HWND personality = app.Control(Form1Id::Text1);
    const HWND partnership = app.Control(Form1Id::Text2);
    const std::wstring number = ui::Text(app.Control(Form1Id::Label4));
    const std::wstring partnershipBefore = ui::Text(partnership);

    ASSERT_TRUE(ui::BringToFront(app.Main()));
    ASSERT_TRUE(ui::Click(personality));
    ASSERT_TRUE(ui::WaitUntil([&] { return ui::FocusedControl(app.Main()) == personality; }));
    const std::wstring typed = L" Žluťoučký kůň";
    ui::Type(typed);
    ASSERT_TRUE(ui::WaitUntil([&] { return ui::Text(personality).find(typed) != std::wstring::npos; }))
        << "typed text did not reach the box; it holds: " << ::testing::PrintToString(ui::Text(personality));

    // Moving on without picking changes nothing.
    ui::PressKey(VK_TAB);
    ASSERT_TRUE(ui::Sync(app.Main()));
    EXPECT_NE(ui::Text(personality).find(typed), std::wstring::npos);
    EXPECT_EQ(ui::Text(partnership), partnershipBefore);
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label4)), number);

    ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo3, 16));  // replaces both texts
}

}  // namespace
