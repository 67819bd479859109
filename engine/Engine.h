#pragma once
// The main window's date lists, their calendar rules and the life number.
// Owned by the main window for its lifetime; reaches widgets and the clock
// only through Operations.
#include "engine/Operations.h"

#include <string>

class Engine {
public:
    explicit Engine(Operations& ops);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Start-up: the readings, then the year and month lists, whose initial
    // selections cascade into the day list and the first life number.
    void Form_Load();

    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();

    void ShowNumber();
    void FillYears();
    void FillMonths();
    void FillDays31();
    void FillDays30();
    void FillFebruary();

private:
    // A list was picked by a selection from code.
    void Click(Widget list);
    // Selects from code and runs the list's Click before returning.
    void SelectByText(Widget list, const std::string& text);
    void SumDigits();
    void FillDays(int lastDay);

    Operations& operations_;
    float LoopIndex = 0;
    std::string DigitString;
    float DigitSum = 0;
};

// True for leap years of the Gregorian calendar.
bool IsLeapYear(long long year);
