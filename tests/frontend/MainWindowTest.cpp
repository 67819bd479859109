// The real main window, built in this process: its layout at the screen's
// DPI, the keyboard, screen-reader names, the number label and the readings.
#include "Fonts.h"
#include "Form1.h"
#include "Form1Layout.h"
#include "harness/Harness.h"
#include "res/resource.h"
#include "ui/Dpi.h"
#include "ui/FitText.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <set>
#include <vector>

using namespace harness;

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.Show(SW_SHOWNORMAL);
        ASSERT_TRUE(BringToFront(form.Handle()));
    }

    HWND Item(int id) const { return GetDlgItem(form.Handle(), id); }
    UINT Dpi() const { return DpiOfWindow(form.Handle()); }

    // 1 January of a year from 1900: the life numbers 3..9, 1, 2 in turn.
    void PickFirstOfJanuary(const std::wstring& year)
    {
        Pick(Item(IDC_F1_COMBO2), L"1");
        Pick(Item(IDC_F1_COMBO3), L"1");
        Pick(Item(IDC_F1_COMBO1), year);
        Pump();
    }

    Form1 form;
};

int Px(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// The box shows its text from the first line to the last, nothing scrolled away.
void ExpectWhollyVisible(HWND box)
{
    RECT client{};
    GetClientRect(box, &client);
    const auto length = static_cast<WPARAM>(GetWindowTextLengthW(box));
    const LRESULT last = SendMessageW(box, EM_POSFROMCHAR, length - 1, 0);
    EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_LE(static_cast<short>(HIWORD(last)) + LineHeight(box), client.bottom) << GetDlgCtrlID(box);
}

TEST_F(MainWindow, IsFixedWithItsIconAndEveryControlInItsPlace)
{
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(form.Handle(), GWL_STYLE));
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(form.Handle(), GCLP_HICON)),
              LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KALVIO)));

    const UINT dpi = Dpi();
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, dpi == 96 ? 376 : Px(5640, dpi));
    EXPECT_EQ(client.bottom, dpi == 96 ? 233 : Px(3495, dpi));

    // Exact at 100 %; elsewhere rounding and a list's least height for its
    // font may add a pixel or two.
    const int slack = dpi == 96 ? 0 : 2;
    for (const ControlSpec& design : Form1Layout::Controls) {
        SCOPED_TRACE(design.id);
        const RECT r = RectInParent(Item(design.id));
        EXPECT_NEAR(r.top, Px(design.top, dpi), slack);
        if (design.fit == Fit::ToTextKeepCentre) {
            EXPECT_NEAR((r.left + r.right) / 2, Px(design.left + design.width / 2, dpi), 1);
        } else {
            EXPECT_NEAR(r.left, Px(design.left, dpi), slack);
        }
        if (design.fit == Fit::Fixed) {
            EXPECT_NEAR(r.right, Px(design.left + design.width, dpi), slack);
            EXPECT_NEAR(r.bottom, Px(design.top + design.height, dpi), slack);
        }
    }
    // Pick-only lists have no edit field; the reading boxes wrap lines.
    for (int id : {IDC_F1_COMBO1, IDC_F1_COMBO2, IDC_F1_COMBO3}) {
        EXPECT_EQ(GetWindowLongPtrW(Item(id), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
        EXPECT_EQ(FindWindowExW(Item(id), nullptr, L"Edit", nullptr), nullptr) << "an editable list";
    }
    for (int id : {IDC_F1_TEXT1, IDC_F1_TEXT2}) EXPECT_TRUE(GetWindowLongPtrW(Item(id), GWL_STYLE) & ES_MULTILINE);
}

TEST_F(MainWindow, NumberShowsTheHelpCursorAndItsToolTip)
{
    const HWND number = Item(IDC_F1_LABEL4);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(number), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HELP));

    std::wstring tips;
    for (HWND tip : WindowsOfClass(TOOLTIPS_CLASSW, true)) {
        wchar_t text[80] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = form.Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(number);
        tool.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
        tips += text;
    }
    EXPECT_EQ(tips, L"Kalvio!");
}

TEST_F(MainWindow, TabRunsThroughListsAndBoxesBothWaysAndChangesNothing)
{
    const std::vector<int> cycle = {IDC_F1_COMBO1, IDC_F1_COMBO2, IDC_F1_COMBO3, IDC_F1_TEXT1, IDC_F1_TEXT2};
    const std::wstring date = SelectedEntry(Item(IDC_F1_COMBO1)) + SelectedEntry(Item(IDC_F1_COMBO3));
    const std::wstring reading = WindowText(Item(IDC_F1_TEXT1)) + WindowText(Item(IDC_F1_TEXT2));
    SetFocus(Item(IDC_F1_COMBO3));
    for (std::size_t i = 1; i <= cycle.size(); ++i) {
        Press(VK_TAB);
        EXPECT_EQ(GetFocus(), Item(cycle[(2 + i) % cycle.size()])) << "Tab " << i;
    }
    for (std::size_t i = 1; i <= cycle.size(); ++i) {
        Press(VK_TAB, {VK_SHIFT});
        EXPECT_EQ(GetFocus(), Item(cycle[(2 + 2 * cycle.size() - i) % cycle.size()])) << "Shift+Tab " << i;
    }
    EXPECT_EQ(SelectedEntry(Item(IDC_F1_COMBO1)) + SelectedEntry(Item(IDC_F1_COMBO3)), date);
    EXPECT_EQ(WindowText(Item(IDC_F1_TEXT1)) + WindowText(Item(IDC_F1_TEXT2)), reading);
}

TEST_F(MainWindow, EscapeKeepsTheProgramAndF1OpensTheAboutWindowWhichEscapeCloses)
{
    for (int id : {IDC_F1_TEXT1, IDC_F1_TEXT2, IDC_F1_COMBO1}) {
        SetFocus(Item(id));
        Press(VK_ESCAPE);
        ASSERT_TRUE(IsWindowVisible(form.Handle())) << "Escape closed the program from control " << id;
    }
    Press(VK_F1);
    Press(VK_F1);
    const std::vector<HWND> about = WindowsOfClass(L"Kalvio.Form2");
    ASSERT_EQ(about.size(), 1u);
    ASSERT_TRUE(BringToFront(about[0]));
    Press(VK_ESCAPE);
    EXPECT_TRUE(WindowsOfClass(L"Kalvio.Form2").empty());
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(MainWindow, ScreenReadersNameEachListAndBoxAfterItsLabel)
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const struct {
        int id;
        const wchar_t* name;
    } expected[] = {{IDC_F1_COMBO1, L"Rok"},
                    {IDC_F1_COMBO2, L"Měsíc"},
                    {IDC_F1_COMBO3, L"Den"},
                    {IDC_F1_TEXT1, L"Jaký(á) jste..."},
                    {IDC_F1_TEXT2, L"Jaký(á) jste...v partnerském vztahu"}};
    for (const auto& e : expected) {
        // Windows names a control without a name of its own after the label
        // just before it in z-order; Wine's oleacc does so for edit boxes.
        const HWND before = GetWindow(Item(e.id), GW_HWNDPREV);
        EXPECT_EQ(ClassOf(before), L"Static");
        EXPECT_EQ(WindowText(before), e.name);
        if (ClassOf(Item(e.id)) != L"Edit") continue;
        // The object Windows makes for a control without one of its own.
        IAccessible* accessible = nullptr;
        ASSERT_EQ(CreateStdAccessibleObject(Item(e.id), static_cast<LONG>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&accessible)),
                  S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        EXPECT_EQ(accessible->get_accName(self, &name), S_OK);
        EXPECT_STREQ(name, e.name);
        SysFreeString(name);
        accessible->Release();
    }
    CoUninitialize();
}

// Live-region announcements raised in this process, by window.
std::vector<HWND> announced;

void CALLBACK RecordAnnouncement(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF) announced.push_back(window);
}

TEST_F(MainWindow, ScreenReadersHearEachNewNumberOnceAndNoRepeat)
{
    constexpr DWORD liveRegionChanged = 0x8019;
    const HWND number = Item(IDC_F1_LABEL4);
    const HWND year = Item(IDC_F1_COMBO1);
    PickFirstOfJanuary(L"1900");  // 3
    SetFocus(year);
    const HWINEVENTHOOK hook = SetWinEventHook(liveRegionChanged, liveRegionChanged, nullptr, RecordAnnouncement,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    announced.clear();
    Pick(year, L"1901");  // 4
    Pump();
    EXPECT_EQ(std::count(announced.begin(), announced.end(), number), 1);
    announced.clear();
    Pick(year, L"1910");  // 4 again
    Pump();
    EXPECT_EQ(std::count(announced.begin(), announced.end(), number), 0);
    UnhookWinEvent(hook);
    EXPECT_EQ(GetFocus(), year) << "the number took the focus";
}

// A control's pixels as the screen shows them.
std::vector<COLORREF> Pixels(HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    const HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(MainWindow, ANewNumberLeavesTheHeadingWholeAndNoOldDigitBehind)
{
    const HWND heading = Item(IDC_F1_LABEL6);
    const HWND number = Item(IDC_F1_LABEL4);
    PickFirstOfJanuary(L"1900");  // 3
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    Pump();
    const std::vector<COLORREF> whole = Pixels(heading);
    const std::vector<COLORREF> three = Pixels(number);
    for (const wchar_t* year : {L"1905", L"1907", L"1900"}) {  // 8, 1, 3
        PickFirstOfJanuary(year);
        EXPECT_EQ(Pixels(heading), whole) << "after picking " << year;
    }
    EXPECT_EQ(Pixels(number), three);
}

TEST_F(MainWindow, EveryReadingIsWhollyVisibleInItsBox)
{
    std::set<std::wstring> numbers;
    for (int year = 1900; year <= 1908; ++year) {
        PickFirstOfJanuary(std::to_wstring(year));
        numbers.insert(WindowText(Item(IDC_F1_LABEL4)));
        for (int id : {IDC_F1_TEXT1, IDC_F1_TEXT2}) {
            SCOPED_TRACE(year);
            ExpectWhollyVisible(Item(id));
            // At 100 % every reading fits in the font the window was designed in.
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(id), WM_GETFONT, 0, 0)), sizeof font, &font);
            if (Dpi() == 96) {
                EXPECT_EQ(font.lfHeight, -11);
            }
        }
    }
    EXPECT_EQ(numbers.size(), 9u);
}

TEST_F(MainWindow, ATextTooLongForItsBoxGetsASmallerFontRatherThanBeingCut)
{
    // Readings fit under Wine; other fonts and scales may need more lines.
    const HWND box = Item(IDC_F1_TEXT2);
    const std::wstring reading = WindowText(box);
    SetWindowTextW(box, (reading + L" " + reading).c_str());
    const auto design = reinterpret_cast<HFONT>(SendMessageW(Item(IDC_F1_LABEL8), WM_GETFONT, 0, 0));
    const UniqueFont smaller = FitTextToBox(box, design, NormalCentiPoints, 500,
                                            [this](int centiPoints) { return MakeNormalFont(Dpi(), centiPoints); });
    EXPECT_TRUE(smaller);
    ExpectWhollyVisible(box);
}

}  // namespace
