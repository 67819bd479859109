// The about window: one window however often it is asked for, the same look
// every time, a window of its own that does not block the main one, and two
// clicks that hand their web addresses to the browser and change nothing else.
#include "About.h"
#include "BrowserHook.h"
#include "Checks.h"
#include "KalvioApp.h"
#include "Layout.h"
#include "Ui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

namespace {

bool IsAbove(HWND upper, HWND lower)
{
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == lower) return true;
    }
    return false;
}

// Every visible window on the screen but tool tips, which come and go as
// the mouse moves; sorted, as only which windows there are matters.
std::vector<HWND> WindowsOnScreen()
{
    std::vector<HWND> windows;
    for (HWND window : ui::VisibleTopLevelWindows()) {
        if (ui::ClassName(window) != L"tooltips_class32") windows.push_back(window);
    }
    std::sort(windows.begin(), windows.end());
    return windows;
}

// "http://" and a host name, nothing after it.
bool IsBareHttpAddress(const std::wstring& address)
{
    const std::wstring scheme = L"http://";
    if (address.compare(0, scheme.size(), scheme) != 0 || address.size() == scheme.size()) return false;
    return std::all_of(address.begin() + static_cast<std::ptrdiff_t>(scheme.size()), address.end(), [](wchar_t c) {
        return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'-' ||
               c == L'.';
    });
}

// winebrowser passes the address on in canonical form, which adds the root
// path: "http://host" arrives as "http://host/".
std::wstring AsHandedOver(std::wstring recorded)
{
    const std::wstring scheme = L"http://";
    if (recorded.size() > scheme.size() + 1 && recorded.back() == L'/' &&
        recorded.find(L'/', scheme.size()) == recorded.size() - 1) {
        recorded.pop_back();
    }
    return recorded;
}

TEST(AboutWindow, OpensOnceHoweverOftenAndComesBackTheSameAfterClosing)
{
    KalvioApp app = KalvioApp::Start();
    const HWND about = ClickNumber(app);
    ASSERT_NE(about, nullptr) << "a click on the number opened no about window";
    EXPECT_TRUE(ui::WaitUntil([&] { return GetForegroundWindow() == about; }));
    const AboutLook look = LookOf(about);
    EXPECT_EQ(look.caption, L"O programu");
    EXPECT_EQ(look.texts[0], L"Kalvio! v2.0.");
    EXPECT_FALSE(look.texts[1].empty()) << "copyright line";
    EXPECT_FALSE(look.texts[2].empty()) << "author line";
    EXPECT_TRUE(IsBareHttpAddress(L"http://" + look.texts[3])) << "Label4 shows a host name";
    EXPECT_EQ(look.texts[4],
              L"Nav\u0161tivte na\u0161e str\u00e1nky a st\u00e1hn\u011bte si dal\u0161\u00ed programy a hry pro "
              L"v\u00e1\u0161 po\u010d\u00edta\u010d :)");
    const std::wstring version = L"v2.0." + std::wstring(62, L' ');
    EXPECT_EQ(look.texts[5].compare(0, version.size(), version), 0) << "v2.0. and 62 spaces";
    EXPECT_GT(look.texts[5].size(), version.size()) << "an identifier follows the spaces";
    if (look.texts[5].size() > version.size()) {
        EXPECT_NE(look.texts[5][version.size()], L' ');
    }

    // Asked for again while open: the same window, brought to the front.
    EXPECT_EQ(ClickNumber(app), about);
    EXPECT_EQ(AboutWindows(app).size(), 1u);
    EXPECT_TRUE(ui::WaitUntil([&] { return GetForegroundWindow() == about; }));

    // Closed by the user: the program goes on; the next click builds it anew.
    ASSERT_TRUE(CloseAbout(about)) << "Alt+F4 did not close the about window";
    EXPECT_EQ(WaitForSingleObject(app.Process(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(AboutWindows(app).empty());
    EXPECT_TRUE(IsWindowVisible(app.Main()));
    const HWND again = ClickNumber(app);
    ASSERT_NE(again, nullptr) << "the about window did not come back";
    EXPECT_TRUE(LookOf(again) == look) << "the rebuilt about window looks different";
    EXPECT_EQ(AboutWindows(app).size(), 1u);
}

TEST(AboutWindow, IsAFixedWindowOfItsOwnWithoutTaskbarButton)
{
    KalvioApp app = KalvioApp::Start();
    const HWND about = ClickNumber(app);
    ASSERT_NE(about, nullptr);
    const auto style = static_cast<DWORD>(GetWindowLongW(about, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(about, GWL_EXSTYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU) << "the close button";
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);

    // Owned, so no taskbar button, but not by the main window, which would
    // keep the about window above it.
    const HWND owner = GetWindow(about, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_NE(owner, app.Main());
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(ui::ProcessOf(owner), app.Pid());
    EXPECT_EQ(GetAncestor(owner, GA_PARENT), GetDesktopWindow()) << "the owner is a top-level window";

    EXPECT_TRUE(ShowsIcon(about));
}

TEST(AboutWindow, LeavesTheMainWindowUsableAndEitherCanComeToTheFront)
{
    KalvioApp app = KalvioApp::Start();
    const HWND about = ClickNumber(app);
    ASSERT_NE(about, nullptr);

    ASSERT_TRUE(ui::BringToFront(app.Main()));
    EXPECT_TRUE(ui::WaitUntil([&] { return IsAbove(app.Main(), about); }))
        << "the main window cannot come in front of the about window";
    EXPECT_TRUE(PickAndCheck(app, Form1Id::Combo2, 4));
    EXPECT_TRUE(PickAndCheck(app, Form1Id::Combo3, 9));
    EXPECT_TRUE(IsWindowVisible(about));

    ASSERT_TRUE(ui::BringToFront(about));
    EXPECT_TRUE(ui::WaitUntil([&] { return IsAbove(about, app.Main()); }));
}

TEST(AboutWindow, ClosingTheMainWindowEndsTheProgramAndBothWindowsWithStatus0)
{
    KalvioApp app = KalvioApp::Start();
    const HWND about = ClickNumber(app);
    ASSERT_NE(about, nullptr);
    ui::PressCloseButton(app.Main());
    DWORD exitCode = 1;
    ASSERT_TRUE(app.WaitForExit(10000, exitCode)) << "Kalvio is still running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(IsWindow(app.Main()));
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(ui::TopLevelWindows(app.Pid()).empty());
}

// Clicks with the real mouse and waits until the browser launch this starts
// (winebrowser, in Kalvio's job) has run and ended.
::testing::AssertionResult ClickAndLetTheShellFinish(const KalvioApp& app, HWND about, HWND target)
{
    if (!app.HasJob()) return ::testing::AssertionFailure() << "Kalvio is not in a job; cannot follow the launch";
    const JobCounts before = app.Job();
    if (!ui::BringToFront(about)) return ::testing::AssertionFailure() << "cannot bring the about window forward";
    if (!ui::Click(target)) return ::testing::AssertionFailure() << "something covers the link";
    const bool done = ui::WaitUntil([&] {
        const JobCounts now = app.Job();
        return now.total > before.total && now.active <= before.active;
    }, std::chrono::seconds(20));
    if (!done) return ::testing::AssertionFailure() << "the click started no browser launch that ended";
    // A message of Kalvio's own would come straight after the call returns.
    if (!ui::Sync(about)) return ::testing::AssertionFailure() << "Kalvio stopped answering";
    return ::testing::AssertionSuccess();
}

TEST(AboutWindow, LinkLabelAndPictureHandTheirAddressesToTheBrowser)
{
    std::string reason;
    const auto browser = BrowserHook::Recorder(reason);
    if (!browser) GTEST_SKIP() << reason;
    KalvioApp app = KalvioApp::Start();
    const HWND about = ClickNumber(app);
    ASSERT_NE(about, nullptr);
    const AboutLook look = LookOf(about);
    const std::vector<HWND> windows = WindowsOnScreen();

    ASSERT_TRUE(ClickAndLetTheShellFinish(app, about, GetDlgItem(about, Form2Id::Label4)));
    ASSERT_TRUE(ui::WaitUntil([&] { return browser->Addresses().size() >= 1; }))
        << "the browser was not started for the link label";
    const std::wstring maker = AsHandedOver(browser->Addresses()[0]);
    EXPECT_EQ(maker, L"http://" + look.texts[3]) << "the link label opens the host it shows";

    ASSERT_TRUE(ClickAndLetTheShellFinish(app, about, GetDlgItem(about, Form2Id::Image2)));
    ASSERT_TRUE(ui::WaitUntil([&] { return browser->Addresses().size() >= 2; }))
        << "the browser was not started for the picture";
    const std::wstring outside = AsHandedOver(browser->Addresses()[1]);
    EXPECT_TRUE(IsBareHttpAddress(outside)) << ::testing::PrintToString(outside);
    EXPECT_NE(outside, maker) << "the picture opens the outside page, not the maker's";
    EXPECT_EQ(browser->Addresses().size(), 2u) << "one browser start per click";

    EXPECT_TRUE(IsWindowVisible(about)) << "the about window stays open";
    EXPECT_TRUE(LookOf(about) == look);
    EXPECT_EQ(WindowsOnScreen(), windows) << "a window (a message?) appeared or vanished";
}

TEST(AboutWindow, WithNoBrowserTheClicksShowNothingAndChangeNothing)
{
    std::string reason;
    const auto noBrowser = BrowserHook::NoBrowser(reason);
    if (!noBrowser) GTEST_SKIP() << reason;
    KalvioApp app = KalvioApp::Start();
    const HWND about = ClickNumber(app);
    ASSERT_NE(about, nullptr);
    const AboutLook look = LookOf(about);
    const ListedDate date = SelectedDate(app);
    const std::wstring number = ui::Text(app.Control(Form1Id::Label4));
    const std::vector<HWND> windows = WindowsOnScreen();

    ASSERT_TRUE(ClickAndLetTheShellFinish(app, about, GetDlgItem(about, Form2Id::Label4)));
    ASSERT_TRUE(ClickAndLetTheShellFinish(app, about, GetDlgItem(about, Form2Id::Image2)));
    Sleep(500);  // time for anything that would still appear to appear

    EXPECT_EQ(WindowsOnScreen(), windows) << "a window (a message?) appeared or vanished";
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_TRUE(LookOf(about) == look);
    EXPECT_EQ(SelectedDate(app).year, date.year);
    EXPECT_EQ(SelectedDate(app).month, date.month);
    EXPECT_EQ(SelectedDate(app).day, date.day);
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label4)), number);
    EXPECT_TRUE(noBrowser->Addresses().empty());
}

HWND ToolTipAfterPointingAt(const KalvioApp& app, HWND away, HWND target)
{
    // The tip of the last tool goes away first, or its text would be read.
    ui::MoveMouseTo(ui::CentreOnScreen(away));
    ui::WaitUntil([&] { return ui::FindTopLevel(app.Pid(), L"tooltips_class32") == nullptr; });
    POINT centre = ui::CentreOnScreen(target);
    ui::MoveMouseTo(centre);
    Sleep(100);
    ++centre.x;  // a hand never holds quite still; tips start on movement
    ui::MoveMouseTo(centre);
    HWND tip = nullptr;
    ui::WaitUntil([&] {
        tip = ui::FindTopLevel(app.Pid(), L"tooltips_class32");
        return tip != nullptr && !ui::Text(tip).empty();
    });
    return tip;
}

TEST(AboutWindow, LinkLabelAndPictureExplainThemselvesInToolTips)
{
    KalvioApp app = KalvioApp::Start();
    const HWND about = ClickNumber(app);
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(ui::BringToFront(about));
    const HWND link = GetDlgItem(about, Form2Id::Label4);
    const HWND picture = GetDlgItem(about, Form2Id::Image2);
    const HWND plain = GetDlgItem(about, Form2Id::Label5);

    const HWND linkTip = ToolTipAfterPointingAt(app, plain, link);
    ASSERT_NE(linkTip, nullptr) << "no tool tip over the link label";
    EXPECT_EQ(ui::Text(linkTip), L"V\u00edce informac\u00ed");

    const HWND pictureTip = ToolTipAfterPointingAt(app, plain, picture);
    ASSERT_NE(pictureTip, nullptr) << "no tool tip over the picture";
    EXPECT_FALSE(ui::Text(pictureTip).empty());
    EXPECT_NE(ui::Text(pictureTip), L"V\u00edce informac\u00ed") << "the picture names the outside page";
}

// Layout: run at 96 DPI and again at 144 DPI.
TEST(AboutWindowLayout, WidgetsSitWhereTheLayoutPutsThem)
{
    ExpectScreenDpiAsConfigured();
    const UINT dpi = ui::SystemDpi();
    KalvioApp app = KalvioApp::Start();
    const HWND about = ClickNumber(app);
    ASSERT_NE(about, nullptr);

    ExpectClientArea(about, 4050, 2550, dpi);

    ExpectRect(ui::RectInParent(GetDlgItem(about, Form2Id::Image2)), {120, 120, 480, 480}, dpi);
    ExpectRect(ui::RectInParent(GetDlgItem(about, Form2Id::Label5)), {120, 1800, 3855, 495}, dpi);
    const struct {
        int id;
        TwipsRect designed;
    } sizedToText[] = {{Form2Id::Label1, {720, 120, 1710, 240}},
                       {Form2Id::Label2, {720, 480, 2340, 195}},
                       {Form2Id::Label3, {720, 720, 3300, 195}},
                       {Form2Id::Label4, {720, 1080, 1800, 240}},
                       {Form2Id::Label6, {120, 2280, 3870, 195}}};
    for (const auto& label : sizedToText) {
        SCOPED_TRACE(::testing::Message() << "control " << label.id);
        const RECT rect = ui::RectInParent(GetDlgItem(about, label.id));
        ExpectTopLeft(rect, label.designed, dpi);
        EXPECT_GT(rect.right - rect.left, 0);
        EXPECT_LE(rect.right, ui::ClientSize(about).cx) << "the label runs out of the window";
    }
}

}  // namespace
