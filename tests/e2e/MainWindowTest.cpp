// The main window as a user meets it: a fixed window with caption, system
// menu and icon, widgets where the layout puts them, Tab through the lists,
// the number's tool tip, and a clean end when it is closed.
#include "Checks.h"
#include "KalvioApp.h"
#include "Layout.h"
#include "Ui.h"

#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    KalvioApp app = KalvioApp::StartOn("2026-03-15 10:00:00");
};

bool CanBeResizedAt(HWND window, int x, int y)
{
    const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}

TEST_F(MainWindow, IsAFixedWindowWithCaptionSystemMenuIconAndTaskbarButton)
{
    const HWND main = app.Main();
    EXPECT_EQ(ui::Text(main), L"Kalvio!");
    const auto style = static_cast<DWORD>(GetWindowLongW(main, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(main, GWL_EXSTYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);

    // No edge or corner of the frame offers a resize.
    RECT frame{};
    GetWindowRect(main, &frame);
    const int midX = (frame.left + frame.right) / 2, midY = (frame.top + frame.bottom) / 2;
    for (const POINT edge : {POINT{frame.left, midY}, POINT{frame.right - 1, midY}, POINT{midX, frame.top},
                             POINT{midX, frame.bottom - 1}, POINT{frame.right - 1, frame.bottom - 1},
                             POINT{frame.left, frame.top}}) {
        EXPECT_FALSE(CanBeResizedAt(main, edge.x, edge.y)) << "at " << edge.x << "," << edge.y;
    }

    // A taskbar button: an unowned window that is not a tool window.
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);

    EXPECT_TRUE(ShowsIcon(main));
}

TEST_F(MainWindow, CaptionsReadBackInCzech)
{
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label1)), L"Rok");
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label2)), L"M\u011bs\u00edc");
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label3)), L"Den");
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label5)), L"Zde zadejte datum va\u0161eho narozen\u00ed");
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label6)), L"Kalvio je...");
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label7)), L"Jak\u00fd(\u00e1) jste...");
    EXPECT_EQ(ui::Text(app.Control(Form1Id::Label8)), L"Jak\u00fd(\u00e1) jste...v partnersk\u00e9m vztahu");
}

TEST_F(MainWindow, FocusStartsInTheYearListAndTabGoesToMonthThenDay)
{
    const HWND main = app.Main();
    EXPECT_EQ(ui::FocusedControl(main), app.Control(Form1Id::Combo1));
    ASSERT_TRUE(ui::BringToFront(main));
    ASSERT_TRUE(ui::WaitUntil([&] { return ui::FocusedControl(main) == app.Control(Form1Id::Combo1); }));
    ui::PressKey(VK_TAB);
    EXPECT_TRUE(ui::WaitUntil([&] { return ui::FocusedControl(main) == app.Control(Form1Id::Combo2); }))
        << "focus is on control " << GetDlgCtrlID(ui::FocusedControl(main));
    ui::PressKey(VK_TAB);
    EXPECT_TRUE(ui::WaitUntil([&] { return ui::FocusedControl(main) == app.Control(Form1Id::Combo3); }))
        << "focus is on control " << GetDlgCtrlID(ui::FocusedControl(main));
}

HWND VisibleToolTip(DWORD pid)
{
    return ui::FindTopLevel(pid, L"tooltips_class32");
}

TEST_F(MainWindow, PointingAtTheNumberShowsTheToolTipKalvio)
{
    ASSERT_TRUE(ui::BringToFront(app.Main()));
    ui::MoveMouseTo(ui::CentreOnScreen(app.Control(Form1Id::Label5)));
    ui::MoveMouseTo(ui::CentreOnScreen(app.Control(Form1Id::Label4)));
    HWND tip = nullptr;
    ASSERT_TRUE(ui::WaitUntil([&] { return (tip = VisibleToolTip(app.Pid())) != nullptr; }))
        << "no tool tip appeared over the number";
    EXPECT_EQ(ui::Text(tip), L"Kalvio!");
}

TEST_F(MainWindow, TheCloseButtonEndsTheProgramWithStatus0)
{
    ui::PressCloseButton(app.Main());
    DWORD exitCode = 1;
    ASSERT_TRUE(app.WaitForExit(10000, exitCode)) << "Kalvio is still running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(IsWindow(app.Main()));
}

// Right after start the focus is in the year list, and that is where a user
// presses Alt+F4.
TEST_F(MainWindow, AltF4WithTheFocusInAListEndsTheProgramWithStatus0)
{
    ASSERT_TRUE(ui::BringToFront(app.Main()));
    ASSERT_TRUE(ui::WaitUntil([&] { return ui::FocusedControl(app.Main()) == app.Control(Form1Id::Combo1); }));
    ui::PressAltF4();
    DWORD exitCode = 1;
    ASSERT_TRUE(app.WaitForExit(10000, exitCode))
        << "Kalvio is still running after Alt+F4; its window is "
        << (IsWindow(app.Main()) ? "still there" : "gone");
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(IsWindow(app.Main()));
}

// Layout: run at 96 DPI and again at 144 DPI.
class MainWindowLayout : public MainWindow {
protected:
    RECT RectOf(int id) const { return ui::RectInParent(app.Control(id)); }
    UINT dpi = ui::SystemDpi();
};

TEST_F(MainWindowLayout, ClientAreaIs5640By3495Twips)
{
    ExpectScreenDpiAsConfigured();
    ExpectClientArea(app.Main(), 5640, 3495, dpi);
}

TEST_F(MainWindowLayout, WidgetsSitWhereTheLayoutPutsThem)
{
    ExpectScreenDpiAsConfigured();
    const struct {
        int id;
        TwipsRect designed;
        bool fixedSize;
    } widgets[] = {
        {Form1Id::Label1, {240, 360, 780, 195}, true},     {Form1Id::Label2, {1200, 360, 555, 195}, true},
        {Form1Id::Label3, {1920, 360, 540, 195}, true},    {Form1Id::Text1, {240, 1440, 2295, 1815}, true},
        {Form1Id::Text2, {2760, 1440, 2655, 1815}, true},  {Form1Id::Label5, {120, 120, 2550, 195}, false},
        {Form1Id::Label7, {240, 1200, 930, 195}, false},   {Form1Id::Label8, {2800, 1200, 2460, 195}, false},
    };
    for (const auto& widget : widgets) {
        SCOPED_TRACE(::testing::Message() << "control " << widget.id);
        if (widget.fixedSize) {
            ExpectRect(RectOf(widget.id), widget.designed, dpi);
        } else {
            ExpectTopLeft(RectOf(widget.id), widget.designed, dpi);
            // Sized to its text: one line of the default font, 195 twips.
            if (dpi == 96) {
                EXPECT_EQ(RectOf(widget.id).bottom - RectOf(widget.id).top, 13);
            }
        }
    }

    // The lists: where they are and how wide; their height follows the font.
    for (const auto& list : {std::pair<int, TwipsRect>{Form1Id::Combo1, {240, 600, 855, 315}},
                             std::pair<int, TwipsRect>{Form1Id::Combo2, {1200, 600, 615, 315}},
                             std::pair<int, TwipsRect>{Form1Id::Combo3, {1920, 600, 615, 315}}}) {
        SCOPED_TRACE(::testing::Message() << "list " << list.first);
        const RECT rect = RectOf(list.first);
        ExpectTopLeft(rect, list.second, dpi);
        EXPECT_NEAR(rect.right - rect.left, Px(list.second.width, dpi), Tolerance(dpi));
        if (dpi == 96) {
            EXPECT_EQ(rect.bottom - rect.top, 21) << "a closed list is 315 twips high";
        }
    }

    // The heading above the number is centred in its own box: only its top is fixed.
    EXPECT_NEAR(RectOf(Form1Id::Label6).top, Px(120, dpi), Tolerance(dpi));

    // The number: large type, centred on its designed box.
    const RECT number = RectOf(Form1Id::Label4);
    EXPECT_NEAR(number.top, Px(240, dpi), Tolerance(dpi));
    EXPECT_NEAR((number.left + number.right) / 2.0, Px(3960 + 105, dpi), 1.0);
    EXPECT_GE(number.bottom - number.top, Px(720, dpi)) << "a 36-point line is at least 36 points high";
}

COLORREF ScreenPixel(POINT point)
{
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// True when the pixel at these client twips, or one next to it, has the colour.
bool ColourNear(HWND window, int xTwips, int yTwips, UINT dpi, COLORREF colour)
{
    POINT centre{Px(xTwips, dpi), Px(yTwips, dpi)};
    ClientToScreen(window, &centre);
    const int reach = Tolerance(dpi);
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (ScreenPixel({centre.x + dx, centre.y + dy}) == colour) return true;
        }
    }
    return false;
}

TEST_F(MainWindowLayout, LinesFrameTheFirstBoxAndMarkTheCornersOfTheSecond)
{
    ExpectScreenDpiAsConfigured();
    ASSERT_TRUE(ui::BringToFront(app.Main()));
    ASSERT_TRUE(ui::Sync(app.Main()));
    Sleep(300);  // the frame of a window just brought forward is painted after its own messages
    const COLORREF line = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    // A point on the visible part of each line, outside both boxes.
    const struct {
        const char* name;
        int x, y;
    } onLines[] = {{"Line1", 1200, 1425}, {"Line2", 1200, 3255}, {"Line3", 195, 2400}, {"Line4", 2565, 2400},
                   {"Line5", 2700, 1440}, {"Line6", 2760, 1380}, {"Line7", 5490, 3240}, {"Line8", 5400, 3330}};
    for (const auto& point : onLines) {
        EXPECT_TRUE(ColourNear(app.Main(), point.x, point.y, dpi, line)) << point.name << " is not drawn";
    }
    // Beside the lines there is only the window's background.
    EXPECT_TRUE(ColourNear(app.Main(), 1800, 1050, dpi, face));
    EXPECT_TRUE(ColourNear(app.Main(), 5550, 3400, dpi, face));
}

}  // namespace
