#pragma once
// The verbs the engine uses to reach the main window's widgets and the clock.
// The Win32 front end implements them on real controls; the tests in memory.
#include <cstddef>
#include <string>

// The main window's widgets that the engine touches, by their design names.
enum class Widget {
    Combo1,  // the year list, under "Rok"
    Combo2,  // the month list, under "Měsíc"
    Combo3,  // the day list, under "Den"
    Label4,  // the life number
    Text1,   // the personality reading
    Text2,   // the partnership reading
    Count,   // not a widget: how many there are
};
constexpr std::size_t WidgetCount = static_cast<std::size_t>(Widget::Count);

struct Date {
    int year;   // four digits
    int month;  // 1..12
    int day;    // 1..31
};

class Operations {
public:
    virtual ~Operations() = default;

    // Lists. Appending and clearing raise no Click and leave the selection alone
    // (clearing removes it). ListText is empty when nothing is selected.
    virtual void ListAppend(Widget list, const std::string& text, int position) = 0;
    virtual void ListClear(Widget list) = 0;
    virtual std::string ListText(Widget list) const = 0;
    // Selects the entry with exactly this text, raising nothing: the engine
    // runs the list's Click itself, nested inside the caller, as a pick would.
    virtual void ListSelectByText(Widget list, const std::string& text) = 0;

    virtual void SetCaption(Widget label, const std::string& text) = 0;
    virtual void SetText(Widget textBox, const std::string& text) = 0;

    virtual Date Today() const = 0;
};
