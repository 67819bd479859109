#include "Checks.h"

#include "Expected.h"
#include "Ui.h"
#include "WineHost.h"

ListedDate SelectedDate(const KalvioApp& app)
{
    return {ui::SelectedText(app.Control(Form1Id::Combo1)), ui::SelectedText(app.Control(Form1Id::Combo2)),
            ui::SelectedText(app.Control(Form1Id::Combo3))};
}

namespace {
std::string Narrow(const std::wstring& text)
{
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}
}  // namespace

::testing::AssertionResult ShowsReadingsOfListedDate(const KalvioApp& app)
{
    ListedDate date;
    int number = 0;
    std::wstring shown, personality, partnership;
    const auto matches = [&] {
        date = SelectedDate(app);
        number = LifeNumber(date.year, date.month, date.day);
        shown = ui::Text(app.Control(Form1Id::Label4));
        personality = ui::Text(app.Control(Form1Id::Text1));
        partnership = ui::Text(app.Control(Form1Id::Text2));
        return shown == std::to_wstring(number) && personality == Reading(number) &&
               partnership == Reading(number + 10);
    };
    if (ui::WaitUntil(matches)) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    failure << "for " << Narrow(date.year) << "-" << Narrow(date.month) << "-" << Narrow(date.day)
            << " the number should be " << number << ", shown \"" << Narrow(shown) << "\"";
    if (personality != Reading(number)) failure << "; personality box holds \"" << Narrow(personality) << "\"";
    if (partnership != Reading(number + 10)) failure << "; partnership box holds \"" << Narrow(partnership) << "\"";
    return failure;
}

void ExpectStartUpLists(const KalvioApp& app, int firstYear, int selectedYear, int month, int days, int selectedDay)
{
    EXPECT_EQ(ui::Items(app.Control(Form1Id::Combo1)), NumberTexts(firstYear, firstYear + 160));
    EXPECT_EQ(ui::Items(app.Control(Form1Id::Combo2)), NumberTexts(1, 12));
    EXPECT_EQ(ui::Items(app.Control(Form1Id::Combo3)), NumberTexts(1, days));
    EXPECT_EQ(ui::SelectedText(app.Control(Form1Id::Combo1)), std::to_wstring(selectedYear));
    EXPECT_EQ(ui::SelectedText(app.Control(Form1Id::Combo2)), std::to_wstring(month));
    EXPECT_EQ(ui::SelectedText(app.Control(Form1Id::Combo3)), std::to_wstring(selectedDay));
}

void ExpectFirstSight(const KalvioApp& app, int number)
{
    EXPECT_EQ(app.AtFirstSight().number, std::to_wstring(number));
    EXPECT_EQ(app.AtFirstSight().personality, Reading(number));
    EXPECT_EQ(app.AtFirstSight().partnership, Reading(number + 10));
}

::testing::AssertionResult PickAndCheck(const KalvioApp& app, int comboId, int entry)
{
    const std::string failure = ui::Pick(app.Control(comboId), std::to_wstring(entry));
    if (!failure.empty()) {
        return ::testing::AssertionFailure() << "picking " << entry << " in list " << comboId << ": " << failure;
    }
    return ShowsReadingsOfListedDate(app);
}

::testing::AssertionResult ShowsIcon(HWND window)
{
    if (ui::HasIcon(window)) return ::testing::AssertionSuccess();
    // Wine answers neither WM_GETICON nor GetClassLongPtr for another
    // process's window, but hands the icon to its X window.
    const std::string icons = XWindowIcons(window);
    if (icons.find("Icon (32 x 32)") != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no 32 x 32 icon; X window icons: " << icons;
}
