// The readings reach the screen unchanged and whole: for every life number,
// both boxes hold exactly the table's Czech text, and all of it is visible.
#include "Checks.h"
#include "Expected.h"
#include "KalvioApp.h"
#include "Ui.h"

#include <gtest/gtest.h>

namespace {

// On 15 March 2008 the days 1..9 give the life numbers 5, 6, 7, 8, 9, 1, 2, 3, 4.
constexpr int FirstDayOf[10] = {0, 6, 7, 8, 9, 1, 2, 3, 4, 5};

class Readings : public ::testing::Test {
protected:
    KalvioApp app = KalvioApp::StartOn("2026-03-15 10:00:00");
};

TEST_F(Readings, EveryNumberShowsItsTwoReadingsExactly)
{
    for (int number = 1; number <= 9; ++number) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo3, FirstDayOf[number]));
        EXPECT_EQ(ui::Text(app.Control(Form1Id::Label4)), std::to_wstring(number));
        EXPECT_EQ(ui::Text(app.Control(Form1Id::Text1)), Reading(number));
        EXPECT_EQ(ui::Text(app.Control(Form1Id::Text2)), Reading(number + 10));
    }
}

struct Fit {
    int lines = 0;
    int lineHeight = 0;
    int lastLineBottom = 0;
    int clientHeight = 0;
    int firstVisibleLine = -1;
};

// The box's font cannot be measured from outside (its HFONT means nothing in
// another process), so the line height is read from the box itself: the
// distance between the tops of its first two lines, which is the font's
// height as the box lays out text.
Fit MeasureFit(HWND box)
{
    const auto top = [box](int line) {
        const LRESULT first = SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
        const LRESULT position = SendMessageW(box, EM_POSFROMCHAR, static_cast<WPARAM>(first), 0);
        return static_cast<int>(static_cast<short>(HIWORD(position)));
    };
    Fit fit;
    fit.lines = static_cast<int>(SendMessageW(box, EM_GETLINECOUNT, 0, 0));
    fit.firstVisibleLine = static_cast<int>(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0));
    fit.clientHeight = ui::ClientSize(box).cy;
    if (fit.lines >= 2) {
        fit.lineHeight = top(1) - top(0);
        fit.lastLineBottom = top(fit.lines - 1) + fit.lineHeight;
    }
    return fit;
}

TEST_F(Readings, EveryReadingFitsItsBoxAt96Dpi)
{
    if (ui::SystemDpi() != 96) GTEST_SKIP() << "the fit is promised at 96 DPI; this screen has " << ui::SystemDpi();
    for (int number = 1; number <= 9; ++number) {
        ASSERT_TRUE(PickAndCheck(app, Form1Id::Combo3, FirstDayOf[number]));
        for (int id : {Form1Id::Text1, Form1Id::Text2}) {
            SCOPED_TRACE(::testing::Message() << "number " << number << ", box " << id);
            const Fit fit = MeasureFit(app.Control(id));
            ASSERT_GE(fit.lines, 2) << "every reading wraps to several lines in these boxes";
            // One line of the default font is 195 twips: 13 px at 96 DPI.
            EXPECT_EQ(fit.lineHeight, 13);
            EXPECT_EQ(fit.firstVisibleLine, 0);
            EXPECT_LE(fit.lines * fit.lineHeight, fit.clientHeight)
                << fit.lines << " lines of " << fit.lineHeight << " px in a box " << fit.clientHeight << " px high";
            EXPECT_LE(fit.lastLineBottom, fit.clientHeight) << "the last line is cut off";
        }
    }
}

}  // namespace
