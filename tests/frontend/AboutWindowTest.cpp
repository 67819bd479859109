// The about window as the main window opens it, and the objects both
// windows leave behind over long use.
#include "Form1.h"
#include "KalvioVersion.h"
#include "harness/Harness.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <vector>

using namespace harness;

namespace {

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override { form.Show(SW_SHOWNORMAL); }

    // Sends what a click on the number sends; returns the about windows then shown.
    std::vector<HWND> ClickNumber()
    {
        SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(IDC_F1_LABEL4, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(form.Handle(), IDC_F1_LABEL4)));
        Pump();
        return WindowsOfClass(L"Kalvio.Form2");
    }

    static void Close(HWND about)
    {
        SendMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
        Pump();
    }

    Form1 form;
};

TEST_F(AboutWindow, IsOneFixedWindowWithTheBuildsVersionRebuiltAlikeAfterClosing)
{
    ClickNumber();
    const std::vector<HWND> about = ClickNumber();
    ASSERT_EQ(about.size(), 1u);
    // Built from the version written once in the build, as the version record is.
    EXPECT_EQ(WindowText(GetDlgItem(about[0], IDC_F2_LABEL1)), L"Kalvio! v" + std::to_wstring(KALVIO_VERSION_MAJOR) +
                                                                   L"." + std::to_wstring(KALVIO_VERSION_MINOR) + L".");
    EXPECT_FALSE(GetWindowLongPtrW(about[0], GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    // No taskbar button, and a hidden owner (not the main window, which is
    // visible), so that either window can come in front of the other.
    EXPECT_FALSE(GetWindowLongPtrW(about[0], GWL_EXSTYLE) & WS_EX_APPWINDOW);
    const HWND owner = GetWindow(about[0], GW_OWNER);
    EXPECT_TRUE(owner && !IsWindowVisible(owner));
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
    RECT first{}, again{};
    GetClientRect(about[0], &first);

    Close(about[0]);
    EXPECT_TRUE(WindowsOfClass(L"Kalvio.Form2").empty());
    const std::vector<HWND> reopened = ClickNumber();
    ASSERT_EQ(reopened.size(), 1u);
    GetClientRect(reopened[0], &again);
    EXPECT_TRUE(EqualRect(&first, &again));
}

TEST_F(AboutWindow, PicksAndAboutWindowsLeaveNoObjectsBehind)
{
    const HWND year = GetDlgItem(form.Handle(), IDC_F1_COMBO1);
    const HWND month = GetDlgItem(form.Handle(), IDC_F1_COMBO2);
    // One round of each first: lazily made objects are not leaks.
    Pick(month, L"2");
    Close(ClickNumber().at(0));
    const long gdi = GdiObjects(), windows = Windows();
    // February and April in turn, so every other pick refills the day list.
    for (int i = 0; i < 250; ++i) {
        Pick(month, i % 2 ? L"4" : L"2");
        Pick(year, i % 2 ? L"1999" : L"2000");
    }
    Pump();
    EXPECT_EQ(GdiObjects(), gdi) << "after 500 picks";
    EXPECT_EQ(Windows(), windows) << "after 500 picks";
    for (int i = 0; i < 20; ++i) Close(ClickNumber().at(0));
    EXPECT_EQ(GdiObjects(), gdi) << "after 20 about windows";
    EXPECT_EQ(Windows(), windows) << "after 20 about windows";
}

}  // namespace
