// The life number and the date lists, seen through the recorder: what each
// computation writes, and every list event of a start-up or a pick in order.
#include "FakeOperations.h"
#include "engine/Engine.h"
#include "engine/Readings.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;

// What one computation writes: the caption, then slots n and n + 10.
// A sum of 0 has no reading and leaves everything empty.
Events Shown(int n)
{
    if (n == 0) return {"Label4 ", "Text1 ", "Text2 "};
    return {"Label4 " + std::to_string(n), "Text1 " + Module1::Readings[n], "Text2 " + Module1::Readings[n + 10]};
}

// A pick's own events: the selection, then a refill of the day list.
Events Refill(const std::string& select, int day)
{
    return {select, "clear Combo3", "select Combo3 " + std::to_string(day)};
}

Events Join(std::initializer_list<Events> parts)
{
    Events all;
    for (const Events& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<std::string> NumberTexts(int first, int last)
{
    std::vector<std::string> texts;
    for (int i = first; i <= last; ++i) texts.push_back(std::to_string(i));
    return texts;
}

TEST(LifeNumber, ReducesTheDigitsOfTheListTextsToOneDigitAndItsReadings)
{
    Module1::InitReadings();
    FakeOperations ops;
    Engine engine{ops};  // one engine for all rows: each computation starts afresh
    const struct {
        std::string year, month, day;
        int n;
    } rows[] = {
        {"1984", "7", "23", 7},     // 34, 7
        {"1999", "9", "29", 3},     // 48, 12, 3
        {"2000", "1", "1", 4},      // 4 at once
        {"1900", "10", "10", 3},    // 12, 3
        {"2008", "", "", 1},        // the year alone: 10, 1
        {"19a84", "7 ", "-23", 7},  // anything but a digit adds nothing
        {"\xC4\x9B"
         "1999",
         "9", "29\xFF", 3},                       // nor do stray bytes
        {"1" + std::string(22, '9'), "", "", 1},  // 199, 19, 10, 1: a fourth pass
        {"", "", "", 0},                          // no digits at all
    };
    for (const auto& row : rows) {
        ops.lists[Widget::Combo1] = {{row.year}, row.year.empty() ? -1 : 0};
        ops.lists[Widget::Combo2] = {{row.month}, row.month.empty() ? -1 : 0};
        ops.lists[Widget::Combo3] = {{row.day}, row.day.empty() ? -1 : 0};
        ops.events.clear();
        engine.ShowNumber();
        EXPECT_EQ(ops.events, Shown(row.n)) << row.year << "/" << row.month << "/" << row.day;
    }
}

class DateLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        ops.clock = [this] { return today; };
    }

    // The program starts with an empty readings table.
    void StartOn(Date date)
    {
        for (int slot = ReadingsTable::First; slot <= ReadingsTable::Last; ++slot) Module1::Readings.Set(slot, "");
        today = date;
        engine.Form_Load();
    }

    void Pick(Widget list, const std::string& text)
    {
        ops.ListSelectByText(list, text);
        if (list == Widget::Combo1) engine.Combo1_Click();
        if (list == Widget::Combo2) engine.Combo2_Click();
        if (list == Widget::Combo3) engine.Combo3_Click();
    }

    Date today{2026, 3, 15};
    FakeOperations ops;
    Engine engine{ops};
};

TEST_F(DateLists, StartUpFillsTheListsAndCascadesIntoTheNumberOfTheDefaultDate)
{
    const struct {
        Date today;
        int firstYear, lastYear, days, day;  // the lists and the day selected
        int yearAlone, n;                    // the number of the year alone, then of the whole date
    } rows[] = {
        {{2026, 3, 15}, 1876, 2036, 31, 15, 1, 1},  // 2008: 10, 1; 2008-3-15: 19, 10, 1
        {{2028, 2, 29}, 1878, 2038, 28, 28, 3, 6},  // 2010 is no leap year; 2010-2-28: 15, 6
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.today.year << "-" << row.today.month << "-" << row.today.day);
        ops.lists.clear();
        ops.events.clear();
        StartOn(row.today);
        EXPECT_EQ(ops.Entries(Widget::Combo1), NumberTexts(row.firstYear, row.lastYear));
        EXPECT_EQ(ops.Entries(Widget::Combo2), NumberTexts(1, 12));
        EXPECT_EQ(ops.Entries(Widget::Combo3), NumberTexts(1, row.days));
        // The day's Click computes, then the month's own closing computation.
        EXPECT_EQ(ops.events, Join({{"select Combo1 " + std::to_string(row.today.year - 18)},
                                    Shown(row.yearAlone),
                                    Refill("select Combo2 " + std::to_string(row.today.month), row.day),
                                    Shown(row.n),
                                    Shown(row.n)}));
    }
}

TEST_F(DateLists, TheYearListReadsTheClockOnceEvenWhenTheYearTurnsDuringTheFill)
{
    int reads = 0;
    ops.clock = [&reads] { return reads++ == 0 ? Date{2026, 12, 31} : Date{2027, 1, 1}; };
    engine.Form_Load();
    EXPECT_EQ(ops.Entries(Widget::Combo1), NumberTexts(1876, 2036));
}

TEST_F(DateLists, EachMonthRefillsTheDayListToItsLengthAndReselectsToday)
{
    StartOn({2026, 3, 15});  // the year stays 2008, a leap year
    const struct {
        const char* before;  // a month whose list has another length
        const char* month;
        int today, days, selected, n;
    } rows[] = {
        {"2", "1", 31, 31, 31, 6}, {"1", "2", 30, 29, 29, 5},   {"2", "3", 1, 31, 1, 5},     {"3", "4", 31, 30, 30, 8},
        {"4", "5", 5, 31, 5, 2},   {"5", "6", 31, 30, 30, 1},   {"6", "7", 7, 31, 7, 6},     {"9", "8", 31, 31, 31, 4},
        {"8", "9", 31, 30, 30, 4}, {"11", "10", 10, 31, 10, 3}, {"10", "11", 31, 30, 30, 6}, {"2", "12", 12, 31, 12, 7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "month " << row.month << " on day " << row.today);
        today.day = row.today;
        Pick(Widget::Combo2, row.before);
        ops.events.clear();
        Pick(Widget::Combo2, row.month);
        EXPECT_EQ(ops.Entries(Widget::Combo3), NumberTexts(1, row.days));
        EXPECT_EQ(ops.events,
                  Join({Refill("select Combo2 " + std::string(row.month), row.selected), Shown(row.n), Shown(row.n)}));
    }
}

TEST_F(DateLists, AYearPickUnderFebruaryRefillsByTheLeapYearRule)
{
    StartOn({2026, 3, 15});
    Pick(Widget::Combo2, "2");
    const struct {
        const char* year;
        int days, n;
    } rows[] = {{"1900", 28, 9}, {"2000", 29, 1}, {"2023", 28, 6}, {"2024", 29, 7}};
    for (const auto& row : rows) {
        ops.events.clear();
        Pick(Widget::Combo1, row.year);
        EXPECT_EQ(ops.Entries(Widget::Combo3), NumberTexts(1, row.days)) << row.year;
        EXPECT_EQ(ops.events, Join({Refill("select Combo1 " + std::string(row.year), 15), Shown(row.n), Shown(row.n)}))
            << row.year;
    }
}

TEST_F(DateLists, AYearPickUnderAnotherMonthOnlyRecomputes)
{
    StartOn({2026, 3, 15});
    Pick(Widget::Combo3, "20");
    ops.events.clear();
    Pick(Widget::Combo1, "1984");
    EXPECT_EQ(ops.events, Join({{"select Combo1 1984"}, Shown(9)}));  // 1+9+8+4+3+2+0 = 27, 9
}

}  // namespace
