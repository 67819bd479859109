#include "engine/Engine.h"

#include "engine/Readings.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int YearsBack = 150;
constexpr int YearsAhead = 10;
constexpr int DefaultAge = 18;

// Whole numbers become plain decimal digits: no sign, space or leading zero.
std::string WholeText(float value)
{
    return std::to_string(static_cast<unsigned long long>(value));
}

// A list text made only of decimal digits, as the lists hold them.
std::optional<long long> WholeNumber(const std::string& text)
{
    if (text.empty() || text.size() > 9) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsOneOf(const std::string& text, std::initializer_list<const char*> choices)
{
    return std::any_of(choices.begin(), choices.end(), [&](const char* choice) { return text == choice; });
}

}  // namespace

bool IsLeapYear(long long year)
{
    return (year % 400 == 0 || year % 100 != 0) && year % 4 == 0;
}

Engine::Engine(Operations& ops) : operations_(ops) {}

void Engine::Form_Load()
{
    // The readings come first: the selections below already show a number.
    Module1::InitReadings();
    FillYears();
    FillMonths();
}

void Engine::Click(Widget list)
{
    switch (list) {
    case Widget::Combo1: Combo1_Click(); break;
    case Widget::Combo2: Combo2_Click(); break;
    case Widget::Combo3: Combo3_Click(); break;
    default: break;  // only the lists are picked
    }
}

void Engine::SelectByText(Widget list, const std::string& text)
{
    operations_.ListSelectByText(list, text);
    Click(list);
}

void Engine::Combo1_Click()
{
    if (operations_.ListText(Widget::Combo2) == "2") FillFebruary();
    ShowNumber();
}

void Engine::Combo2_Click()
{
    const std::string month = operations_.ListText(Widget::Combo2);
    if (IsOneOf(month, {"1", "3", "5", "7", "8", "10", "12"})) FillDays31();
    if (IsOneOf(month, {"4", "6", "9", "11"})) FillDays30();
    if (month == "2") FillFebruary();
    ShowNumber();
}

void Engine::Combo3_Click()
{
    ShowNumber();
}

void Engine::FillYears()
{
    // Today's year is read once: a fill running across midnight on
    // 31 December must not leave a gap or a duplicate in the list.
    const int year = operations_.Today().year;
    for (LoopIndex = 0; LoopIndex <= YearsBack + YearsAhead; LoopIndex += 1) {
        const int position = static_cast<int>(LoopIndex);
        operations_.ListAppend(Widget::Combo1, std::to_string(year - YearsBack + position), position);
    }
    SelectByText(Widget::Combo1, std::to_string(year - DefaultAge));
}

void Engine::FillMonths()
{
    for (LoopIndex = 0; LoopIndex <= 11; LoopIndex += 1) {
        const int position = static_cast<int>(LoopIndex);
        operations_.ListAppend(Widget::Combo2, std::to_string(position + 1), position);
    }
    SelectByText(Widget::Combo2, std::to_string(operations_.Today().month));
}

void Engine::FillDays31()
{
    FillDays(31);
}

void Engine::FillDays30()
{
    FillDays(30);
}

void Engine::FillFebruary()
{
    // A year text that is not a plain number cannot come from the year
    // list; it gets the common February rather than a failure.
    const std::optional<long long> year = WholeNumber(operations_.ListText(Widget::Combo1));
    FillDays(year && IsLeapYear(*year) ? 29 : 28);
}

void Engine::FillDays(int lastDay)
{
    operations_.ListClear(Widget::Combo3);
    for (LoopIndex = 0; LoopIndex <= lastDay - 1; LoopIndex += 1) {
        const int position = static_cast<int>(LoopIndex);
        operations_.ListAppend(Widget::Combo3, std::to_string(position + 1), position);
    }
    // Today may be past the month's end (the 31st and April, or 29 February
    // and the default year, never a leap year): the month's last day stands in.
    SelectByText(Widget::Combo3, std::to_string(std::min(operations_.Today().day, lastDay)));
}

void Engine::SumDigits()
{
    // An index of its own keeps the pass finite for any length; LoopIndex
    // mirrors it. Anything but a decimal digit adds nothing.
    for (std::size_t i = 0; i < DigitString.size(); ++i) {
        LoopIndex = static_cast<float>(i + 1);
        const char c = DigitString[i];
        if (c >= '0' && c <= '9') DigitSum += static_cast<float>(c - '0');
    }
}

void Engine::ShowNumber()
{
    DigitSum = 0;
    const std::string year = operations_.ListText(Widget::Combo1);
    const std::string month = operations_.ListText(Widget::Combo2);
    const std::string day = operations_.ListText(Widget::Combo3);
    DigitString = year + month + day;
    SumDigits();

    // Two reductions bring every date the lists hold to one digit. Longer
    // digit strings, which no list holds, keep being reduced the same way,
    // so the result is always 0..9.
    for (std::string text = WholeText(DigitSum); text.size() > 1; text = WholeText(DigitSum)) {
        DigitString = text;
        DigitSum = 0;
        SumDigits();
    }

    // A sum of 0 (no digits, or only zeros) has no reading: show nothing
    // rather than an empty slot's number.
    const int n = static_cast<int>(DigitSum);
    if (n == 0) {
        operations_.SetCaption(Widget::Label4, "");
        operations_.SetText(Widget::Text1, "");
        operations_.SetText(Widget::Text2, "");
        return;
    }
    operations_.SetCaption(Widget::Label4, WholeText(DigitSum));
    operations_.SetText(Widget::Text1, Module1::Readings[n]);
    operations_.SetText(Widget::Text2, Module1::Readings[n + 10]);
}
