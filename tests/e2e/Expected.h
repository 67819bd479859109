#pragma once
// What Kalvio should show, worked out independently of its own code path:
// the life number by plain digit sums, the readings converted from the
// engine's UTF-8 table by the driver itself.
#include <string>
#include <vector>

// The life number of a date given as the three list texts.
int LifeNumber(const std::wstring& year, const std::wstring& month, const std::wstring& day);

// Slot 1..19 of the readings table as UTF-16.
std::wstring Reading(int slot);

// "first", ..., "last" as list entries.
std::vector<std::wstring> NumberTexts(int first, int last);
