// Kalvio gives back what it takes: its GDI and USER object counts settle
// after a short warm-up and then do not grow, over many picks and many
// openings of the about window.
#include "About.h"
#include "Checks.h"
#include "GuiObjects.h"
#include "KalvioApp.h"
#include "Ui.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>

namespace {

GuiObjectCounts Measure(const KalvioApp& app)
{
    // Counted with no tool tip on screen: a tip that shows holds objects of
    // its own for as long as it is up.
    ui::MoveMouseTo({0, 0});
    ui::WaitUntil([&] { return ui::FindTopLevel(app.Pid(), L"tooltips_class32") == nullptr; });
    ui::Sync(app.Main());
    const GuiObjectCounts counts = CountGuiObjects(app.Process(), app.Pid());
    ::testing::Test::RecordProperty("measured_by", counts.how);
    return counts;
}

// Wine (like Windows) keeps a few objects in caches that fill up on their
// own schedule; a leak grows with every round, a cache does not.
constexpr long CacheSlack = 2;

// Counts at three points after the warm-up: no growth over the second half,
// and nothing beyond the caches' slack over the whole run.
void ExpectNoGrowth(const GuiObjectCounts& settled, const GuiObjectCounts& halfway, const GuiObjectCounts& after)
{
    std::cout << "GDI " << settled.gdi << " -> " << halfway.gdi << " -> " << after.gdi << ", USER " << settled.user
              << " -> " << halfway.user << " -> " << after.user << " (" << after.how << ")\n";
    ASSERT_GT(settled.gdi, 0) << "GDI objects could not be counted (" << settled.how << ")";
    ASSERT_GT(settled.user, 0) << "USER objects could not be counted (" << settled.how << ")";
    EXPECT_LE(after.gdi, halfway.gdi) << "GDI objects grew";
    EXPECT_LE(after.user, halfway.user) << "USER objects grew";
    EXPECT_LE(after.gdi, settled.gdi + CacheSlack) << "GDI objects grew";
    EXPECT_LE(after.user, settled.user + CacheSlack) << "USER objects grew";
}

// Ten picks that go through every path: month refills of 28, 29, 30 and 31
// days, year picks under February and under another month, day picks. No
// list is picked twice in a row, so no pick waits out a double-click.
struct PickStep {
    int combo;
    int entry;
};
constexpr PickStep Round[] = {
    {Form1Id::Combo2, 2}, {Form1Id::Combo1, 2000}, {Form1Id::Combo3, 10}, {Form1Id::Combo1, 2001},
    {Form1Id::Combo2, 4}, {Form1Id::Combo3, 20},   {Form1Id::Combo2, 12}, {Form1Id::Combo1, 1999},
    {Form1Id::Combo2, 3}, {Form1Id::Combo3, 5},
};

// A warm-up of two steps, then two halves of `perHalf` steps with the counts
// taken between them.
void ExpectNoGrowthWhileRepeating(const KalvioApp& app, int perHalf, const std::function<void()>& step)
{
    for (int i = 0; i < 2; ++i) ASSERT_NO_FATAL_FAILURE(step());
    const GuiObjectCounts settled = Measure(app);
    for (int i = 0; i < perHalf; ++i) ASSERT_NO_FATAL_FAILURE(step());
    const GuiObjectCounts halfway = Measure(app);
    for (int i = 0; i < perHalf; ++i) ASSERT_NO_FATAL_FAILURE(step());
    ExpectNoGrowth(settled, halfway, Measure(app));
}

TEST(GuiResources, DoNotGrowOver500Picks)
{
    KalvioApp app = KalvioApp::Start();
    ExpectNoGrowthWhileRepeating(app, 25, [&] {
        for (const PickStep& step : Round) {
            ASSERT_TRUE(PickAndCheck(app, step.combo, step.entry));
        }
    });
}

TEST(GuiResources, DoNotGrowOver20OpeningsOfTheAboutWindow)
{
    KalvioApp app = KalvioApp::Start();
    ExpectNoGrowthWhileRepeating(app, 10, [&] {
        const HWND about = ClickNumber(app);
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(CloseAbout(about));
    });
}

}  // namespace
