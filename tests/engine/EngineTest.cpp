// The date lists and the life number as a user sees them after a start-up or a pick: each list's entries and
// selection, the number and its two readings.
#include "engine/Engine.h"
#include "engine/Operations.h"
#include "engine/Readings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

// In-memory widgets and clock: what a user would see (each list's entries and selection, the number, the two
// readings) and how often each list was cleared, not the calls that led there.
class FakeOperations : public Operations {
public:
    struct List {
        std::vector<std::string> entries;
        int selected = -1, clears = 0;
    };
    std::map<Widget, List> lists;
    std::map<Widget, std::string> texts;  // the number's caption and the two boxes
    std::function<Date()> clock;

    void ListAppend(Widget list, const std::string& text, int position) override
    {
        std::vector<std::string>& entries = lists[list].entries;
        if (position < 0 || position > static_cast<int>(entries.size())) throw std::out_of_range("append at " + text);
        entries.insert(entries.begin() + position, text);
    }
    void ListClear(Widget list) override { lists[list] = {{}, -1, lists[list].clears + 1}; }
    std::string ListText(Widget list) const override
    {
        const auto it = lists.find(list);
        return it == lists.end() || it->second.selected < 0 ? "" : it->second.entries[it->second.selected];
    }
    // Like the real list, there is nothing to select when no entry matches.
    void ListSelectByText(Widget list, const std::string& text) override
    {
        List& l = lists[list];
        const auto it = std::find(l.entries.begin(), l.entries.end(), text);
        if (it == l.entries.end()) throw std::invalid_argument("no entry " + text);
        l.selected = static_cast<int>(it - l.entries.begin());
    }
    void SetCaption(Widget label, const std::string& text) override { texts[label] = text; }
    void SetText(Widget box, const std::string& text) override { texts[box] = text; }
    Date Today() const override { return clock(); }

    // A list as a user reads it, its entries a range that counts up by one: "15 in 1-31".
    std::string Shown(Widget list)
    {
        const std::vector<std::string>& e = lists[list].entries;
        for (std::size_t i = 0; i < e.size(); ++i)
            if (e[i] != std::to_string(std::stoi(e[0]) + static_cast<int>(i))) return "entry " + e[i] + " out of order";
        return ListText(list) + " in " + (e.empty() ? "" : e.front() + "-" + e.back());
    }

    // The number, then the slots of the readings table its boxes show: "7 (7, 17)"; "-" for an empty caption or box.
    std::string Number()
    {
        const auto slot = [this](Widget box) -> std::string {
            for (int s = ReadingsTable::First; s <= ReadingsTable::Last && !texts[box].empty(); ++s)
                if (Module1::Readings[s] == texts[box]) return std::to_string(s);
            return texts[box].empty() ? "-" : "?";
        };
        const std::string& caption = texts[Widget::Label4];
        return (caption.empty() ? "-" : caption) + " (" + slot(Widget::Text1) + ", " + slot(Widget::Text2) + ")";
    }

    // The whole window: "2008 in 1876-2036, 3 in 1-12, 15 in 1-31 = 1 (1, 11)".
    std::string Window()
    {
        return Shown(Widget::Combo1) + ", " + Shown(Widget::Combo2) + ", " + Shown(Widget::Combo3) + " = " + Number();
    }
};

constexpr Widget Year = Widget::Combo1, Month = Widget::Combo2, Day = Widget::Combo3;

TEST(LifeNumber, IsTheDigitsOfTheDateReducedToOneDigitAndShownWithItsTwoReadings)
{
    Module1::InitReadings();
    FakeOperations ops;
    Engine engine{ops};  // one engine for all rows: each computation starts afresh
    const std::string rows[][4] = {
        // the year, month and day lists' texts, then the number and its slots
        {"1984", "7", "23", "7 (7, 17)"},                   // 34, 7
        {"1999", "9", "29", "3 (3, 13)"},                   // 48, 12, 3
        {"2000", "1", "1", "4 (4, 14)"},                    // 4 at once
        {"1900", "10", "10", "3 (3, 13)"},                  // 12, 3
        {"2008", "", "", "1 (1, 11)"},                      // the year alone: 10, 1
        {"19a84ě", "7 ", "-23", "7 (7, 17)"},               // anything but a digit adds nothing
        {"1" + std::string(22, '9'), "", "", "1 (1, 11)"},  // 199, 19, 10, 1: a fourth pass
        {"", "", "", "- (-, -)"},                           // no digits: nothing shown
    };
    for (const auto& row : rows) {
        for (int i = 0; i < 3; ++i) ops.lists[static_cast<Widget>(i)] = {{row[i]}, row[i].empty() ? -1 : 0};
        engine.ShowNumber();
        EXPECT_EQ(ops.Number(), row[3]) << row[0] << "/" << row[1] << "/" << row[2];
    }
}

// Starts the program on this clock, the readings table still empty as at a real start; returns the window shown.
std::string StartUp(std::function<Date()> clock)
{
    for (int slot = ReadingsTable::First; slot <= ReadingsTable::Last; ++slot) Module1::Readings.Set(slot, "");
    FakeOperations ops;
    ops.clock = clock;
    Engine{ops}.Form_Load();
    return ops.Window();
}

TEST(StartUp, ShowsTodaysDayAndMonthEighteenYearsBackAndTheirNumber)
{
    EXPECT_EQ(StartUp([] { return Date{2026, 3, 15}; }), "2008 in 1876-2036, 3 in 1-12, 15 in 1-31 = 1 (1, 11)");
    // 2010 is no leap year: its February ends before today.
    EXPECT_EQ(StartUp([] { return Date{2028, 2, 29}; }), "2010 in 1878-2038, 2 in 1-12, 28 in 1-28 = 6 (6, 16)");
    // The year turns during the fill: no gap or duplicate in the year list.
    int reads = 0;
    const auto newYear = [&reads] { return reads++ ? Date{2027, 1, 1} : Date{2026, 12, 31}; };
    EXPECT_EQ(StartUp(newYear), "2008 in 1876-2036, 1 in 1-12, 1 in 1-31 = 3 (3, 13)");
}

// A user's picks, one after another, after a start on 15 March 2026 (2008, a leap year).
TEST(Picks, RefillTheDayListForTheMonthAndLeapYearAndRecomputeTheNumber)
{
    Date today{2026, 3, 15};
    FakeOperations ops;
    ops.clock = [&today] { return today; };
    Engine engine{ops};
    engine.Form_Load();
    void (Engine::*const clicks[])() = {&Engine::Combo1_Click, &Engine::Combo2_Click, &Engine::Combo3_Click};
    const std::tuple<Widget, const char*, int, int, const char*> picks[] = {
        // the pick, today's day, refills of the day list, then the window
        {Month, "1", 31, 1, "2008 in 1876-2036, 1 in 1-12, 31 in 1-31 = 6 (6, 16)"},
        {Month, "2", 30, 1, "2008 in 1876-2036, 2 in 1-12, 29 in 1-29 = 5 (5, 15)"},
        {Month, "3", 1, 1, "2008 in 1876-2036, 3 in 1-12, 1 in 1-31 = 5 (5, 15)"},
        {Month, "4", 31, 1, "2008 in 1876-2036, 4 in 1-12, 30 in 1-30 = 8 (8, 18)"},
        {Month, "5", 5, 1, "2008 in 1876-2036, 5 in 1-12, 5 in 1-31 = 2 (2, 12)"},
        {Month, "6", 31, 1, "2008 in 1876-2036, 6 in 1-12, 30 in 1-30 = 1 (1, 11)"},
        {Month, "7", 7, 1, "2008 in 1876-2036, 7 in 1-12, 7 in 1-31 = 6 (6, 16)"},
        {Month, "8", 31, 1, "2008 in 1876-2036, 8 in 1-12, 31 in 1-31 = 4 (4, 14)"},
        {Month, "9", 31, 1, "2008 in 1876-2036, 9 in 1-12, 30 in 1-30 = 4 (4, 14)"},
        {Month, "10", 10, 1, "2008 in 1876-2036, 10 in 1-12, 10 in 1-31 = 3 (3, 13)"},
        {Month, "11", 31, 1, "2008 in 1876-2036, 11 in 1-12, 30 in 1-30 = 6 (6, 16)"},
        {Month, "12", 12, 1, "2008 in 1876-2036, 12 in 1-12, 12 in 1-31 = 7 (7, 17)"},
        {Day, "20", 15, 0, "2008 in 1876-2036, 12 in 1-12, 20 in 1-31 = 6 (6, 16)"},
        {Year, "1984", 15, 0, "1984 in 1876-2036, 12 in 1-12, 20 in 1-31 = 9 (9, 19)"},  // not February: the day stays
        {Month, "2", 15, 1, "1984 in 1876-2036, 2 in 1-12, 15 in 1-29 = 3 (3, 13)"},
        {Year, "1900", 15, 1, "1900 in 1876-2036, 2 in 1-12, 15 in 1-28 = 9 (9, 19)"},
        {Year, "2000", 15, 1, "2000 in 1876-2036, 2 in 1-12, 15 in 1-29 = 1 (1, 11)"},
        {Year, "2023", 15, 1, "2023 in 1876-2036, 2 in 1-12, 15 in 1-28 = 6 (6, 16)"},
        {Year, "2024", 15, 1, "2024 in 1876-2036, 2 in 1-12, 15 in 1-29 = 7 (7, 17)"},
    };
    for (const auto& [list, text, day, refills, window] : picks) {
        SCOPED_TRACE(text);
        today.day = day;
        const int clears = ops.lists[Day].clears;
        ops.ListSelectByText(list, text);  // the list selects the entry, then its handler runs
        (engine.*clicks[static_cast<int>(list)])();
        EXPECT_EQ(ops.lists[Day].clears - clears, refills);
        EXPECT_EQ(ops.Window(), window);
    }
}

}  // namespace
