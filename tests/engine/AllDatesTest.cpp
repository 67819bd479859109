#include "Engine.h"
#include "FakeOperations.h"
#include "Readings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int DigitSumOf(int value)
{
    int sum = 0;
    for (; value > 0; value /= 10) sum += value % 10;
    return sum;
}

// Digital root, computed without the engine's passes.
int ExpectedNumber(int year, int month, int day)
{
    const int sum = DigitSumOf(year) + DigitSumOf(month) + DigitSumOf(day);
    return 1 + (sum - 1) % 9;
}

int DaysIn(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month == 2 && leap ? 29 : days[month - 1];
}

TEST(AllDatesTest, EveryDateTheListsHoldShowsItsNumberAndReadings)
{
    FakeOperations ops;
    Engine engine{ops};
    engine.Form_Load();  // 15 March 2026: years 1876..2036
    const auto Pick = [&](Widget list, const std::string& text) {
        ops.ListSelectByText(list, text);
        engine.Click(list);
    };

    int checked = 0;
    for (int year = 1876; year <= 2036; ++year) {
        Pick(Widget::Combo1, std::to_string(year));
        for (int month = 1; month <= 12; ++month) {
            Pick(Widget::Combo2, std::to_string(month));
            ASSERT_EQ(ops.Entries(Widget::Combo3).size(), static_cast<std::size_t>(DaysIn(year, month)))
                << year << "-" << month;
            for (int day = 1; day <= DaysIn(year, month); ++day) {
                Pick(Widget::Combo3, std::to_string(day));
                const int n = ExpectedNumber(year, month, day);
                ASSERT_EQ(ops.texts[Widget::Label4], std::to_string(n)) << year << "-" << month << "-" << day;
                ASSERT_EQ(ops.texts[Widget::Text1], Module1::Readings[n]);
                ASSERT_EQ(ops.texts[Widget::Text2], Module1::Readings[n + 10]);
                ++checked;
            }
            ops.events.clear();
            ops.shown.clear();
        }
    }
    EXPECT_EQ(checked, 161 * 365 + 40);  // 40 leap years from 1876 to 2036
}

}  // namespace
