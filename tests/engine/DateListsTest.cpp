#include "Engine.h"
#include "FakeOperations.h"
#include "Readings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;

class DateListsTest : public ::testing::Test {
protected:
    void StartOn(Date today)
    {
        ops.clock = [today] { return today; };
        engine.Form_Load();
    }

    void Pick(Widget list, const std::string& text)
    {
        ops.ListSelectByText(list, text);
        engine.Click(list);
    }

    std::string Selected(Widget list) { return ops.ListText(list); }
    std::size_t DayCount() { return ops.Entries(Widget::Combo3).size(); }

    void ExpectNumber(int n)
    {
        EXPECT_EQ(ops.texts[Widget::Label4], std::to_string(n));
        EXPECT_EQ(ops.texts[Widget::Text1], Module1::Readings[n]);
        EXPECT_EQ(ops.texts[Widget::Text2], Module1::Readings[n + 10]);
    }

    FakeOperations ops;
    Engine engine{ops};
};

TEST_F(DateListsTest, StartUpShowsTheDefaultDateAndItsNumber)
{
    StartOn({2026, 3, 15});
    EXPECT_EQ(ops.Entries(Widget::Combo1), NumberTexts(1876, 2036));
    EXPECT_EQ(ops.Entries(Widget::Combo2), NumberTexts(1, 12));
    EXPECT_EQ(ops.Entries(Widget::Combo3), NumberTexts(1, 31));
    EXPECT_EQ(Selected(Widget::Combo1), "2008");
    EXPECT_EQ(Selected(Widget::Combo2), "3");
    EXPECT_EQ(Selected(Widget::Combo3), "15");
    ExpectNumber(1);  // 2+0+0+8+3+1+5 = 19, 10, 1
}

TEST_F(DateListsTest, StartUpComputesOnTheYearAloneFirstThenOnTheWholeDate)
{
    StartOn({2026, 3, 15});
    ASSERT_EQ(ops.shown.size(), 3u);
    EXPECT_EQ(ops.shown[0].year, "2008");
    EXPECT_EQ(ops.shown[0].month, "");
    EXPECT_EQ(ops.shown[0].day, "");
    EXPECT_EQ(ops.shown[0].caption, "1");
    EXPECT_EQ(ops.shown[1].day, "15");  // from the day list's Click
    EXPECT_EQ(ops.shown[2].day, "15");  // at the end of the month routing
}

TEST_F(DateListsTest, MonthPickRunsTheNestedDayClickBeforeItsOwnNumber)
{
    StartOn({2026, 3, 15});
    ops.events.clear();
    Pick(Widget::Combo2, "4");
    const Events expected = {
        "select Combo2 4", "clear Combo3", "select Combo3 15", "caption 2", "caption 2",
    };
    EXPECT_EQ(ops.events, expected);  // 2008-4-15: 20, 2
    EXPECT_EQ(DayCount(), 30u);
}

TEST_F(DateListsTest, DayListFollowsTheMonth)
{
    StartOn({2026, 3, 15});
    const struct {
        const char* month;
        std::size_t days;
    } cases[] = {{"4", 30}, {"12", 31}, {"6", 30}, {"1", 31}, {"11", 30}, {"2", 29}};  // 2008 is a leap year
    for (const auto& c : cases) {
        Pick(Widget::Combo2, c.month);
        EXPECT_EQ(ops.Entries(Widget::Combo3), NumberTexts(1, static_cast<int>(c.days)))
            << "month " << c.month;
        EXPECT_EQ(Selected(Widget::Combo3), "15") << "month " << c.month;
    }
}

TEST_F(DateListsTest, FebruaryFollowsTheLeapYearRule)
{
    StartOn({2026, 3, 15});
    Pick(Widget::Combo2, "2");
    const struct {
        const char* year;
        std::size_t days;
    } cases[] = {{"1900", 28}, {"2000", 29}, {"2023", 28}, {"2024", 29}, {"2036", 29}};
    for (const auto& c : cases) {
        ops.events.clear();
        Pick(Widget::Combo1, c.year);
        EXPECT_EQ(DayCount(), c.days) << c.year;
        EXPECT_EQ(Selected(Widget::Combo3), "15") << c.year;
        EXPECT_EQ(ops.events[1], "clear Combo3") << c.year;
    }
}

TEST_F(DateListsTest, YearPickUnderAnotherMonthLeavesTheDayListAlone)
{
    StartOn({2026, 3, 15});
    Pick(Widget::Combo3, "20");
    ops.events.clear();
    Pick(Widget::Combo1, "1984");
    const Events expected = {"select Combo1 1984", "caption 9"};
    EXPECT_EQ(ops.events, expected);  // 1+9+8+4+3+2+0 = 27, 9
    EXPECT_EQ(Selected(Widget::Combo3), "20");
    EXPECT_EQ(DayCount(), 31u);
}

TEST_F(DateListsTest, StartUpOnTheTwentyNinthOfFebruarySelectsTheLastDay)
{
    StartOn({2028, 2, 29});  // default year 2010 has no 29 February
    EXPECT_EQ(Selected(Widget::Combo1), "2010");
    EXPECT_EQ(DayCount(), 28u);
    EXPECT_EQ(Selected(Widget::Combo3), "28");
    ExpectNumber(6);  // 2+0+1+0+2+2+8 = 15, 6
}

TEST_F(DateListsTest, ThirtyFirstFollowedByAThirtyDayMonthSelectsTheThirtieth)
{
    StartOn({2026, 5, 31});
    EXPECT_EQ(Selected(Widget::Combo3), "31");
    Pick(Widget::Combo2, "4");
    EXPECT_EQ(DayCount(), 30u);
    EXPECT_EQ(Selected(Widget::Combo3), "30");
    ExpectNumber(8);  // 2+0+0+8+4+3+0 = 17, 8
    EXPECT_EQ(ops.shown.back().day, "30");
}

TEST_F(DateListsTest, YearListIsReadOnceAcrossMidnightOnNewYearsEve)
{
    // The clock turns to the next year after its first reading.
    int readings = 0;
    ops.clock = [&readings] {
        return readings++ == 0 ? Date{2026, 12, 31} : Date{2027, 1, 1};
    };
    engine.Form_Load();
    EXPECT_EQ(ops.Entries(Widget::Combo1), NumberTexts(1876, 2036));
    EXPECT_EQ(Selected(Widget::Combo1), "2008");
}

TEST_F(DateListsTest, YearAndMonthListsNeverChangeAfterStartUp)
{
    StartOn({2026, 3, 15});
    ops.clock = [] { return Date{2031, 7, 4}; };
    Pick(Widget::Combo2, "7");
    Pick(Widget::Combo1, "1950");
    Pick(Widget::Combo2, "2");
    EXPECT_EQ(ops.Entries(Widget::Combo1), NumberTexts(1876, 2036));
    EXPECT_EQ(ops.Entries(Widget::Combo2), NumberTexts(1, 12));
    EXPECT_EQ(Selected(Widget::Combo3), "4");  // today's day, read afresh
}

}  // namespace
