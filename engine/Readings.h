#pragma once
// The fixed table of readings: slots 1-9 personality, 11-19 partnership
// (life number + 10); slot 10 stays empty.
#include <array>
#include <string>

class ReadingsTable {
public:
    static constexpr int First = 1;
    static constexpr int Last = 19;

    // Checked access: a slot outside 1..19 is a program fault, not a blank.
    const std::string& operator[](int slot) const;
    void Set(int slot, std::string text);

private:
    static std::size_t IndexOf(int slot);
    std::array<std::string, Last> slots_{};
};

namespace Module1 {
// Program-wide, filled once at start-up by InitReadings.
extern ReadingsTable Readings;
// Writes slots 1-9 and 11-19 in ascending order; calling it again rewrites the same texts.
void InitReadings();
}  // namespace Module1
