#pragma once
// Checks shared by the test files, phrased as what the user sees.
#include "KalvioApp.h"

#include <gtest/gtest.h>

#include <string>

struct ListedDate {
    std::wstring year, month, day;
};

// The date that stands in the three lists.
ListedDate SelectedDate(const KalvioApp& app);

// The number label and both boxes show the life number of the date in the
// lists and its two readings (waits briefly for Kalvio to get there).
::testing::AssertionResult ShowsReadingsOfListedDate(const KalvioApp& app);

// The lists right after start-up: years first..first+160, months 1..12,
// days 1..days, and the given selections.
void ExpectStartUpLists(const KalvioApp& app, int firstYear, int selectedYear, int month, int days, int selectedDay);

// What the window showed the moment it appeared: this number and its readings.
void ExpectFirstSight(const KalvioApp& app, int number);

// The window has its 32 x 32 program icon for the caption and the taskbar.
::testing::AssertionResult ShowsIcon(HWND window);

// Picks an entry by real input and checks the result on screen.
::testing::AssertionResult PickAndCheck(const KalvioApp& app, int comboId, int entry);
