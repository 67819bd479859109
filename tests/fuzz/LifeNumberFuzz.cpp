// Arbitrary bytes as the three list texts: the life number must never fail
// and never reach outside the readings table.
#include "Engine.h"
#include "../engine/FakeOperations.h"
#include "Readings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Select(FakeOperations& ops, Widget list, std::string text)
{
    ops.lists[list] = {{std::move(text)}, 0};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool initialised = (Module1::InitReadings(), true);
    (void)initialised;

    // The first two bytes choose where the year and month texts end.
    if (size < 2) return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t yearEnd = data[0] % (rest.size() + 1);
    const std::size_t monthEnd = yearEnd + data[1] % (rest.size() - yearEnd + 1);

    FakeOperations ops;
    Engine engine{ops};
    Select(ops, Widget::Combo1, rest.substr(0, yearEnd));
    Select(ops, Widget::Combo2, rest.substr(yearEnd, monthEnd - yearEnd));
    Select(ops, Widget::Combo3, rest.substr(monthEnd));
    engine.ShowNumber();  // an out-of-range slot throws and aborts the run

    const float n = engine.GetDigitSum();
    const std::string& caption = ops.texts[Widget::Label4];
    const bool valid = n >= 0 && n <= 9 && static_cast<float>(static_cast<int>(n)) == n &&
                       caption == (n == 0 ? std::string() : std::to_string(static_cast<int>(n)));
    if (!valid) std::abort();
    return 0;
}
