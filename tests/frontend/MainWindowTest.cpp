// The real main window, built in this process: its layout at the screen's DPI, the keyboard, screen readers, what a
// pick shows, the about window it opens, and the objects both leave behind over long use.
#include "Form1.h"
#include "KalvioVersion.h"
#include "Result.h"
#include "engine/Readings.h"
#include "harness/Harness.h"
#include "res/resource.h"
#include "ui/Dpi.h"
#include "ui/Handles.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <utility>
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
        // The lists' own texts, so that no result hangs on today's date.
        EXPECT_EQ(SelectedEntry(Item(IDC_F1_COMBO3)) + L". " + SelectedEntry(Item(IDC_F1_COMBO2)) + L". " +
                      SelectedEntry(Item(IDC_F1_COMBO1)),
                  L"1. 1. " + year);
    }

    // Sends what a click on the number sends; returns the about windows then shown.
    std::vector<HWND> ClickNumber()
    {
        SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(IDC_F1_LABEL4, STN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(IDC_F1_LABEL4)));
        Pump();
        return WindowsOfClass(L"Kalvio.Form2");
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

// Each line the box shows ends at a space or at the CR LF, never on a one-letter word that Czech keeps with the next.
void ExpectCzechLineEnds(HWND box)
{
    const std::wstring text = WindowText(box);
    for (LRESULT line = 1; line < SendMessageW(box, EM_GETLINECOUNT, 0, 0); ++line) {
        const auto start = static_cast<std::size_t>(SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
        const std::wstring ended = text.substr(0, text.find_last_not_of(L" \r\n", start - 1) + 1);
        const std::wstring lastWord = ended.substr(ended.find_last_of(L" \u00A0\n") + 1);
        SCOPED_TRACE(::testing::Message()
                     << "line " << line << " of box " << GetDlgCtrlID(box) << " after " << Narrow(lastWord));
        EXPECT_TRUE(text[start - 1] == L' ' || text[start - 1] == L'\n');
        EXPECT_FALSE(lastWord.size() == 1 &&
                     std::wstring_view(L"aikosuvzAIKOSUVZ").find(lastWord[0]) != std::wstring_view::npos);
    }
}

// A control's pixels as the screen shows them.
std::vector<COLORREF> Pixels(HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    const WindowDC screen(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels.push_back(GetPixel(screen.Get(), x, y));
    return pixels;
}

// The window as designed, in twips: the client area and each control's box. A width of 0 marks a label sized to its
// text; the number gives its centre.
constexpr SIZE DesignedClient{5640, 3495};
const struct Box {
    int id, left, top, width, height;
} Design[] = {
    {IDC_F1_LABEL1, 240, 360, 780, 195},   {IDC_F1_LABEL2, 1200, 360, 555, 195},   {IDC_F1_LABEL3, 1920, 360, 540, 195},
    {IDC_F1_COMBO1, 240, 600, 855, 315},   {IDC_F1_COMBO2, 1200, 600, 615, 315},   {IDC_F1_COMBO3, 1920, 600, 615, 315},
    {IDC_F1_TEXT1, 240, 1440, 2295, 1815}, {IDC_F1_TEXT2, 2760, 1440, 2655, 1815}, {IDC_F1_LABEL5, 120, 120, 0, 0},
    {IDC_F1_LABEL6, 3600, 120, 0, 0},      {IDC_F1_LABEL7, 240, 1200, 0, 0},       {IDC_F1_LABEL8, 2800, 1200, 0, 0},
    {IDC_F1_LABEL4, 4065, 240, 0, 0},
};

int FontHeightOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// Every control where it belongs at this DPI, in its font for this DPI.
void ExpectLaidOutFor(HWND form, UINT dpi)
{
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, Px(DesignedClient.cx, dpi));
    EXPECT_EQ(client.bottom, Px(DesignedClient.cy, dpi));
    // Exact at 100 %; elsewhere rounding and a list's least height for its font may add a pixel or two.
    const int slack = dpi == 96 ? 0 : 2;
    for (const Box& box : Design) {
        SCOPED_TRACE(box.id);
        const HWND control = GetDlgItem(form, box.id);
        const RECT r = RectInParent(control);
        EXPECT_NEAR(r.top, Px(box.top, dpi), slack);
        const bool number = box.id == IDC_F1_LABEL4;
        EXPECT_NEAR(number ? (r.left + r.right) / 2 : r.left, Px(box.left, dpi), number ? 1 : slack);
        if (box.width) {
            EXPECT_NEAR(r.right, Px(box.left + box.width, dpi), slack);
            EXPECT_NEAR(r.bottom, Px(box.top + box.height, dpi), slack);
        }
        // 8 pt, the number 36 pt; a reading may be smaller to fit its box.
        const int height = -MulDiv(number ? 36 : 8, static_cast<int>(dpi), 72);
        if (box.id == IDC_F1_TEXT1 || box.id == IDC_F1_TEXT2) {
            EXPECT_GE(FontHeightOf(control), height);
            ExpectWhollyVisible(control);
            ExpectCzechLineEnds(control);
        } else {
            EXPECT_EQ(FontHeightOf(control), height);
        }
    }
}

TEST_F(MainWindow, IsFixedWithItsIconAndEveryControlInItsPlaceForEveryNumber)
{
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(form.Handle(), GWL_STYLE));
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(form.Handle(), GCLP_HICON)),
              LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KALVIO)));
    // 1 January of 1900 to 1908: every life number, so every reading.
    for (int year = 1900; year <= 1908; ++year) {
        SCOPED_TRACE(year);
        PickFirstOfJanuary(std::to_wstring(year));
        ExpectLaidOutFor(form.Handle(), Dpi());
        // At 100 % every reading fits in the font the window was designed in.
        if (Dpi() == 96) {
            EXPECT_EQ(FontHeightOf(Item(IDC_F1_TEXT1)) + FontHeightOf(Item(IDC_F1_TEXT2)), -22);
        }
    }
    // Pick-only lists have no edit field; the reading boxes wrap lines.
    for (int id : {IDC_F1_COMBO1, IDC_F1_COMBO2, IDC_F1_COMBO3})
        EXPECT_EQ(GetWindowLongPtrW(Item(id), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    for (int id : {IDC_F1_TEXT1, IDC_F1_TEXT2}) EXPECT_TRUE(GetWindowLongPtrW(Item(id), GWL_STYLE) & ES_MULTILINE);
}

// What Windows sends a window dragged to a monitor of another scale: the new DPI and the rectangle it suggests,
// the frame as it is around the new client size.
void MoveToScale(HWND form, UINT dpi)
{
    RECT suggested{}, client{};
    GetWindowRect(form, &suggested);
    GetClientRect(form, &client);
    suggested.right += Px(DesignedClient.cx, dpi) - client.right;
    suggested.bottom += Px(DesignedClient.cy, dpi) - client.bottom;
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Pump();
}

TEST_F(MainWindow, AReadingTooLongForItsBoxIsShownWholeInASmallerFontAtEveryScaleTheWindowMovesTo)
{
    // Slot 11, the reading of life number 1, twice as long as its box holds.
    const std::string reading = Module1::Readings[11];
    Module1::Readings.Set(11, reading + " " + reading.substr(reading.find('\n') + 1));
    PickFirstOfJanuary(L"1907");  // 19, 10, 1
    const HWND box = Item(IDC_F1_TEXT2);
    EXPECT_GT(FontHeightOf(box), FontHeightOf(Item(IDC_F1_LABEL8)));  // a smaller font: a less negative height
    ExpectWhollyVisible(box);
    const UINT own = Dpi();
    for (UINT dpi : {own == 144 ? 96u : 144u, own}) {
        SCOPED_TRACE(dpi);
        MoveToScale(form.Handle(), dpi);
        ExpectLaidOutFor(form.Handle(), dpi);
    }
    PickFirstOfJanuary(L"1900");  // 3: a reading that fits gets the design font back
    EXPECT_EQ(FontHeightOf(box), FontHeightOf(Item(IDC_F1_LABEL8)));
}

TEST_F(MainWindow, NumberShowsTheHelpCursorAndItsToolTip)
{
    const HWND number = Item(IDC_F1_LABEL4);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(number), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HELP));

    std::wstring tips;  // of every tool tip window, for the number
    for (HWND tip : WindowsOfClass(TOOLTIPS_CLASSW, true)) {
        wchar_t text[80] = {};
        TOOLINFOW tool{sizeof tool, 0, form.Handle(), reinterpret_cast<UINT_PTR>(number), {}, nullptr,
                       text,        0, nullptr};
        SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
        tips += text;
    }
    EXPECT_EQ(tips, L"Kalvio!");
}

TEST_F(MainWindow, TabRunsThroughListsAndBoxesBothWaysAndEscapeKeepsTheProgram)
{
    const std::vector<int> cycle = {IDC_F1_COMBO1, IDC_F1_COMBO2, IDC_F1_COMBO3, IDC_F1_TEXT1, IDC_F1_TEXT2};
    SetFocus(Item(IDC_F1_COMBO3));
    for (std::size_t i = 1; i <= cycle.size(); ++i) {
        Press(VK_TAB);
        EXPECT_EQ(GetFocus(), Item(cycle[(2 + i) % cycle.size()])) << "Tab " << i;
    }
    for (std::size_t i = 1; i <= cycle.size(); ++i) {
        Press(VK_TAB, {VK_SHIFT});
        EXPECT_EQ(GetFocus(), Item(cycle[(2 + 2 * cycle.size() - i) % cycle.size()])) << "Shift+Tab " << i;
    }
    for (int id : {IDC_F1_TEXT1, IDC_F1_TEXT2, IDC_F1_COMBO1}) {
        SetFocus(Item(id));
        Press(VK_ESCAPE);
        ASSERT_TRUE(IsWindowVisible(form.Handle())) << "Escape closed the program from control " << id;
    }
}

TEST_F(MainWindow, F1OpensOneFixedAboutWindowWithTheBuildsVersionWhichEscapeClosesBackToTheFocusAndF1RebuildsAlike)
{
    RECT first{}, again{};
    // From a list and from a reading box: the focus comes back where it was.
    for (const auto& [client, focused] : {std::pair{&first, IDC_F1_COMBO3}, {&again, IDC_F1_TEXT1}}) {
        ASSERT_TRUE(BringToFront(form.Handle()));
        SetFocus(Item(focused));
        Press(VK_F1);
        ASSERT_EQ(WindowsOfClass(L"Kalvio.Form2").size(), 1u) << "after F1 alone";
        const std::vector<HWND> about = ClickNumber();  // asked for again: still one
        ASSERT_EQ(about.size(), 1u);
        GetClientRect(about[0], client);
        EXPECT_EQ(
            WindowText(GetDlgItem(about[0], IDC_F2_LABEL1)),
            L"Kalvio! v" + std::to_wstring(KALVIO_VERSION_MAJOR) + L"." + std::to_wstring(KALVIO_VERSION_MINOR) + L".");
        // The link stands out from its picture, or without one from the dialog colour: its pixels far apart.
        const std::vector<COLORREF> link = Pixels(GetDlgItem(about[0], IDC_F2_LABEL4));
        const auto [dark, light] = std::minmax_element(
            link.begin(), link.end(), [](COLORREF a, COLORREF b) { return GetGValue(a) < GetGValue(b); });
        EXPECT_GT(GetGValue(*light) - GetGValue(*dark), 128);
        EXPECT_FALSE(GetWindowLongPtrW(about[0], GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
        // No taskbar button, and a hidden owner (not the main window, which is visible), so that either window can
        // come in front of the other.
        EXPECT_FALSE(GetWindowLongPtrW(about[0], GWL_EXSTYLE) & WS_EX_APPWINDOW);
        const HWND owner = GetWindow(about[0], GW_OWNER);
        EXPECT_TRUE(owner && !IsWindowVisible(owner));
        EXPECT_TRUE(IsWindowEnabled(form.Handle()));
        for (const UINT dpi : {65535u, 0u}) MoveToScale(about[0], dpi);  // no monitor has these: 1536, then 48
        RECT atLeast{};
        GetClientRect(about[0], &atLeast);
        EXPECT_EQ(atLeast.right, Px(4050, 48));
        ASSERT_TRUE(BringToFront(about[0]));
        Press(VK_ESCAPE);
        EXPECT_TRUE(WindowsOfClass(L"Kalvio.Form2").empty());
        EXPECT_EQ(GetFocus(), Item(focused));
    }
    EXPECT_TRUE(EqualRect(&first, &again));
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(MainWindow, ScreenReadersNameEachListAndBoxAfterItsLabel)
{
    // Windows names a control without a name of its own after the label just before it in z-order.
    const std::pair<int, const wchar_t*> names[] = {{IDC_F1_COMBO1, L"Rok"},
                                                    {IDC_F1_COMBO2, L"Měsíc"},
                                                    {IDC_F1_COMBO3, L"Den"},
                                                    {IDC_F1_TEXT1, L"Jaký(á) jste..."},
                                                    {IDC_F1_TEXT2, L"Jaký(á) jste...v partnerském vztahu"}};
    for (const auto& [id, name] : names) EXPECT_EQ(WindowText(GetWindow(Item(id), GW_HWNDPREV)), name);
}

// Live-region announcements raised in this process, by window.
std::vector<HWND> announced;

void CALLBACK RecordAnnouncement(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF) announced.push_back(window);
}

TEST_F(MainWindow, APickRedrawsEachListAndShowsAndAnnouncesANewNumberWithNothingLeftBehind)
{
    const HWND year = Item(IDC_F1_COMBO1), heading = Item(IDC_F1_LABEL6), number = Item(IDC_F1_LABEL4);
    SetFocus(Item(IDC_F1_TEXT1));  // no list drawn as selected
    Pump();
    // A list shows its entry on the field's white; one left frozen after a fill shows no field at all.
    const auto expectFieldsShown = [this] {
        for (int id : {IDC_F1_COMBO1, IDC_F1_COMBO2, IDC_F1_COMBO3}) {
            const std::vector<COLORREF> pixels = Pixels(Item(id));
            EXPECT_GT(std::count(pixels.begin(), pixels.end(), GetSysColor(COLOR_WINDOW)), pixels.size() / 3) << id;
        }
    };
    expectFieldsShown();
    // The boxes' right margins and the window's empty top-right corner are the button face of the colour scheme in use.
    const auto expectButtonFace = [this](bool windowToo) {
        const WindowDC screen(nullptr);
        RECT r{};
        for (int id : {IDC_F1_TEXT1, IDC_F1_TEXT2}) {
            GetWindowRect(Item(id), &r);
            EXPECT_EQ(GetPixel(screen.Get(), r.right - 1, (r.top + r.bottom) / 2), GetSysColor(COLOR_BTNFACE)) << id;
        }
        GetWindowRect(Item(IDC_F1_TEXT2), &r);
        if (windowToo) {
            EXPECT_EQ(GetPixel(screen.Get(), r.right, r.top - 50), GetSysColor(COLOR_BTNFACE));
        }
    };
    expectButtonFace(true);
    const int face = COLOR_BTNFACE;
    const COLORREF usual = GetSysColor(face), green = RGB(0xC0, 0xE0, 0xC0);
    SetSysColors(1, &face, &green);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    Pump();
    expectButtonFace(false);
    SetSysColors(1, &face, &usual);
    const std::vector<COLORREF> yearBefore = Pixels(year);
    PickFirstOfJanuary(L"1900");  // 3; a month pick refills the day list
    expectFieldsShown();
    EXPECT_NE(Pixels(year), yearBefore) << "the year list still shows the year before";

    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    Pump();
    const std::vector<COLORREF> whole = Pixels(heading), three = Pixels(number);
    constexpr DWORD liveRegionChanged = 0x8019;
    const HWINEVENTHOOK hook = SetWinEventHook(liveRegionChanged, liveRegionChanged, nullptr, RecordAnnouncement,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    // Screen readers hear each new number once, and a number kept not again.
    for (const auto& [entry, heard] :
         {std::pair{L"1905", 1}, {L"1907", 1}, {L"1900", 1}, {L"1909", 0}}) {  // 8, 1, 3, 3
        announced.clear();
        Pick(year, entry);
        Pump();
        EXPECT_EQ(std::count(announced.begin(), announced.end(), number), heard) << "after picking " << entry;
        EXPECT_EQ(Pixels(heading), whole) << "after picking " << entry;
    }
    UnhookWinEvent(hook);
    EXPECT_EQ(Pixels(number), three);
    EXPECT_EQ(GetFocus(), Item(IDC_F1_TEXT1)) << "the number took the focus";
}

TEST_F(MainWindow, PicksAndAboutWindowsLeaveNoObjectsBehind)
{
    const HWND year = Item(IDC_F1_COMBO1), month = Item(IDC_F1_COMBO2);
    const auto openAndCloseAbout = [this] {
        SendMessageW(ClickNumber().at(0), WM_SYSCOMMAND, SC_CLOSE, 0);
        Pump();
    };
    // One round of each first: lazily made objects are not leaks.
    Pick(month, L"2");
    openAndCloseAbout();
    const std::pair<long, long> objects{GdiObjects(), WindowCount()};  // GDI objects, windows
    // February and April in turn, so every other pick refills the day list.
    for (int i = 0; i < 250; ++i) {
        Pick(month, i % 2 ? L"4" : L"2");
        Pick(year, i % 2 ? L"1999" : L"2000");
    }
    Pump();
    EXPECT_EQ(std::make_pair(GdiObjects(), WindowCount()), objects) << "GDI objects, windows after 500 picks";
    for (int i = 0; i < 20; ++i) openAndCloseAbout();
    EXPECT_EQ(std::make_pair(GdiObjects(), WindowCount()), objects) << "GDI objects, windows after 20 about windows";
}

}  // namespace

namespace {

std::wstring ClipboardText()
{
    if (!OpenClipboard(nullptr)) return L"(the clipboard is held)";
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    std::wstring copy = text ? text : L"(no text)";
    if (text) GlobalUnlock(data);
    CloseClipboard();
    return copy;
}

// Answers the modal loop the command under test starts: a menu gets Down and Enter (its first item), a dialog or
// message box is cancelled, and its caption and controls kept.
std::wstring modalTexts;

BOOL CALLBACK AddText(HWND window, LPARAM)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    modalTexts += std::wstring(L"|") + name + L":" + WindowText(window);
    return TRUE;
}

void CALLBACK AnswerModal(HWND, UINT, UINT_PTR, DWORD)
{
    if (const HWND menu = FindWindowW(L"#32768", nullptr); menu && IsWindowVisible(menu)) {
        INPUT keys[4] = {};
        for (int i = 0; i < 4; ++i) {  // Down, then Enter, each pressed and let go
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki = {i < 2 ? WORD{VK_DOWN} : WORD{VK_RETURN}, 0, i % 2 ? DWORD{KEYEVENTF_KEYUP} : 0, 0, 0};
        }
        SendInput(4, keys, sizeof(INPUT));
    }
    if (const HWND dialog = FindWindowW(L"#32770", nullptr); dialog && IsWindowVisible(dialog)) {
        modalTexts = WindowText(dialog);
        EnumChildWindows(dialog, AddText, 0);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

}  // namespace

TEST_F(MainWindow, CopiesThePickedResultByKeysAndBothMenusAndOffersToPrintIt)
{
    Pick(Item(IDC_F1_COMBO1), L"1985");
    Pick(Item(IDC_F1_COMBO2), L"6");
    Pick(Item(IDC_F1_COMBO3), L"15");  // 1+9+8+5+6+1+5 = 35, then 8
    const std::wstring whole = L"Datum narození: 15. 6. 1985\r\nŽivotní číslo: 8\r\n\r\nJaký(á) jste...\r\n" +
                               Widen(Module1::Readings[8]) + L"\r\n\r\nJaký(á) jste...v partnerském vztahu\r\n" +
                               Widen(Module1::Readings[18]) + L"\r\n";
    const auto copied = [](auto&& command) {
        OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
        command();
        Pump();
        return ClipboardText();
    };
    SetFocus(Item(IDC_F1_COMBO3));
    EXPECT_EQ(copied([] { Press('C', {VK_CONTROL}); }), whole);
    // A selection in a reading box is what Ctrl+C copies there.
    SetFocus(Item(IDC_F1_TEXT1));
    SendMessageW(Item(IDC_F1_TEXT1), EM_SETSEL, 0, 7);
    EXPECT_EQ(copied([] { Press('C', {VK_CONTROL}); }), L"Kladete");

    // The system menu starts with the three commands and a separator; the list's context menu holds the same.
    const HMENU menu = GetSystemMenu(form.Handle(), FALSE);
    std::vector<std::wstring> items;
    for (int i = 0; i < 4; ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        items.emplace_back(text);
    }
    EXPECT_EQ(items,
              (std::vector<std::wstring>{L"Kopírovat výsledek\tCtrl+C", L"Tisk…\tCtrl+P", L"O programu…\tF1", L""}));
    EXPECT_TRUE(GetMenuState(menu, 3, MF_BYPOSITION) & MF_SEPARATOR);
    const auto choose = [this, menu](int item) {
        return [this, menu, item] { SendMessageW(form.Handle(), WM_SYSCOMMAND, GetMenuItemID(menu, item), 0); };
    };
    EXPECT_EQ(copied(choose(0)), whole);
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, AnswerModal);
    SetFocus(Item(IDC_F1_COMBO2));
    EXPECT_EQ(copied([] { Press(VK_F10, {VK_SHIFT}); }), whole);
    // Printing opens the print dialog, or says in Czech that there is no printer, as in the test's Wine.
    choose(1)();
    KillTimer(nullptr, timer);
    EXPECT_TRUE(modalTexts.find(L"|ComboBox:") != std::wstring::npos ||
                modalTexts.find(L"není nainstalovaná žádná tiskárna") != std::wstring::npos)
        << Narrow(modalTexts);
    choose(2)();
    Pump();
    EXPECT_EQ(WindowsOfClass(L"Kalvio.Form2").size(), 1u);
}

// The text records of an enhanced metafile in the order drawn, with the box each covers.
int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM found)
{
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* chars =
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
        reinterpret_cast<std::vector<std::pair<std::wstring, RECTL>>*>(found)->emplace_back(
            std::wstring(chars, text->emrtext.nChars), text->rclBounds);
    }
    return 1;
}

TEST_F(MainWindow, ThePrintedPageHoldsBothReadingsWholeInsideItsMarginsOnA4AndLetter)
{
    PickFirstOfJanuary(L"1906");  // 9: the longest readings
    const Result result = form.CurrentResult();
    for (const SIZE paper : {SIZE{21000, 29700}, SIZE{21590, 27940}}) {  // hundredths of a millimetre
        SCOPED_TRACE(paper.cx);
        const RECT frame{0, 0, paper.cx, paper.cy},
            sheet{0, 0, MulDiv(paper.cx, 600, 2540), MulDiv(paper.cy, 600, 2540)};
        const HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
        DrawResultPage(dc, sheet, 600, result);
        const HENHMETAFILE page = CloseEnhMetaFile(dc);
        std::vector<std::pair<std::wstring, RECTL>> drawn;
        EnumEnhMetaFile(nullptr, page, CollectText, &drawn, nullptr);
        DeleteEnhMetaFile(page);
        std::wstring all;
        const int margin = MulDiv(600, 20, 254) * 10;  // 20 mm
        for (const auto& [text, box] : drawn) {
            all += text + L" ";
            EXPECT_TRUE(box.left >= margin && box.top >= margin && box.right <= sheet.right - margin &&
                        box.bottom <= sheet.bottom - margin)
                << Narrow(text);
        }
        for (const std::wstring& reading : {result.personality, result.partnership})
            EXPECT_NE(all.find(std::regex_replace(reading, std::wregex(L"\r\n"), L" ")), std::wstring::npos);
    }
}
