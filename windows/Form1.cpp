#include "Form1.h"

#include "Dpi.h"
#include "Fatal.h"
#include "Fonts.h"
#include "Form1Layout.h"
#include "Tooltip.h"
#include "resource.h"

#include <string>

using namespace Form1Layout;

namespace {

constexpr wchar_t ClassName[] = L"Kalvio.Form1";
// Fixed single border with caption and system menu; no sizing, no min/max box.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = 0;
// A reading never shrinks below this to fit its box.
constexpr int SmallestReadingCentiPoints = 500;

RECT RectInParent(HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Lines a multi-line edit box shows at once in its current font.
int VisibleLines(HWND edit)
{
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    WindowDC dc(edit);
    SelectScope font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    return metrics.tmHeight > 0 ? (format.bottom - format.top) / metrics.tmHeight : 0;
}

bool ShowsWholeText(HWND edit)
{
    return SendMessageW(edit, EM_GETLINECOUNT, 0, 0) <= VisibleLines(edit);
}

}  // namespace

Form1::Form1()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClassOnce(ClassName, LoadIconW(instance, MAKEINTRESOURCEW(IDI_KALVIO)),
                      GetSysColorBrush(COLOR_BTNFACE));
    const SIZE outer = OuterSizeForClient(ClientWidth, ClientHeight, Style, ExStyle, SystemDpi());
    Create(ClassName, L"Kalvio!", Style, ExStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy,
           nullptr);
}

Form1::~Form1() = default;

void Form1::Show(int showCommand)
{
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
}

void Form1::OnCreate()
{
    const UINT dpi = DpiOfWindow(Handle());
    controls_ = CreateControls(Handle(), Controls.data(), Controls.size(), dpi);
    ops_ = std::make_unique<ControlOperations>(
        ControlOperations::Controls{Control(Combo1), Control(Combo2), Control(Combo3),
                                    Control(Label4), Control(Text1), Control(Text2)},
        [this](Widget widget) { OnWidgetChanged(widget); });
    engine_ = std::make_unique<Engine>(*ops_);
    AddTooltip(Handle(), Control(Label4), L"Kalvio!");
    ApplyDpi(dpi);
    engine_->Form_Load();
}

void Form1::ApplyDpi(UINT dpi)
{
    dpi_ = dpi;
    // Hand the controls their new fonts before the old ones are deleted.
    UniqueFont defaultFont = MakeDefaultFont(dpi);
    UniqueFont numberFont = MakeNumberFont(dpi);
    ApplyLayout(controls_, Controls.data(), {defaultFont.Get(), defaultFont.Get(), numberFont.Get()}, dpi);
    defaultFont_ = std::move(defaultFont);
    numberFont_ = std::move(numberFont);
    FitReading(Text1);
    FitReading(Text2);
    const SIZE outer = OuterSizeForClient(ClientWidth, ClientHeight, Style, ExStyle, dpi);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Form1::OnWidgetChanged(Widget widget)
{
    if (widget == Widget::Label4) PlaceLabel4();
    if (widget == Widget::Text1) FitReading(Text1);
    if (widget == Widget::Text2) FitReading(Text2);
}

void Form1::PlaceLabel4()
{
    // The label is transparent: the window repaints what lay under the old
    // caption and lies under the new one (the heading overlaps it).
    RECT area = RectInParent(Control(Label4));
    PlaceControl(Control(Label4), Controls[Label4], dpi_);
    const RECT now = RectInParent(Control(Label4));
    UnionRect(&area, &area, &now);
    RedrawWindow(Handle(), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1::FitReading(int box)
{
    // The boxes have no scroll bars: a reading that needs more lines than its
    // box shows gets a smaller font, a point at a time, until it fits.
    const HWND edit = Control(box);
    UniqueFont& own = box == Text1 ? text1Font_ : text2Font_;
    if (own) {
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont_.Get()), TRUE);
        own.Reset();
    }
    for (int size = DefaultCentiPoints - 100; !ShowsWholeText(edit) && size >= SmallestReadingCentiPoints;
         size -= 100) {
        UniqueFont smaller = MakeDefaultFont(dpi_, size);
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(smaller.Get()), TRUE);
        own = std::move(smaller);
    }
}

void Form1::PaintLines()
{
    PaintScope paint(Handle());
    const HDC dc = paint.Get();
    SelectScope pen(dc, GetStockObject(DC_PEN));
    const COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
    SetDCPenColor(dc, colour);
    for (const LineSpec& line : Lines) {
        const POINT to{TwipsToPixels(line.x2, dpi_), TwipsToPixels(line.y2, dpi_)};
        MoveToEx(dc, TwipsToPixels(line.x1, dpi_), TwipsToPixels(line.y1, dpi_), nullptr);
        LineTo(dc, to.x, to.y);
        SetPixelV(dc, to.x, to.y, colour);  // LineTo stops short of the end point
    }
}

bool Form1::IsReadingBox(HWND hwnd) const
{
    return hwnd == Control(Text1) || hwnd == Control(Text2);
}

bool Form1::PreTranslate(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !IsReadingBox(msg.hwnd)) return false;
    // A multi-line edit box closes its parent on Escape, as if in a dialog.
    if (msg.wParam == VK_ESCAPE) return true;
    // Multi-line edit boxes have no select-all key of their own.
    if (msg.wParam == 'A' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
        SendMessageW(msg.hwnd, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

void Form1::OnCommand(WPARAM wParam, HWND from)
{
    const WORD code = HIWORD(wParam);
    if (code == CBN_SELCHANGE) {
        if (from == Control(Combo1)) engine_->Click(Widget::Combo1);
        else if (from == Control(Combo2)) engine_->Click(Widget::Combo2);
        else if (from == Control(Combo3)) engine_->Click(Widget::Combo3);
    }
    // A quick second click arrives as STN_DBLCLK; it is a click all the same.
    else if ((code == STN_CLICKED || code == STN_DBLCLK) && from == Control(Label4)) {
        Label4_Click();
    }
}

LRESULT Form1::OnCtlColorStatic(HDC dc, HWND label) const
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    // Labels paint no background: the window has painted beneath them.
    const bool isLabel = GetWindowLongPtrW(label, GWL_EXSTYLE) & WS_EX_TRANSPARENT;
    return reinterpret_cast<LRESULT>(isLabel ? GetStockObject(NULL_BRUSH) : GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Form1::OnCtlColorEdit(HDC dc) const
{
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool Form1::OnSetCursor(HWND under)
{
    if (under != Control(Label4)) return false;
    SetCursor(LoadCursorW(nullptr, IDC_HELP));
    return true;
}

void Form1::OnActivate(WPARAM wParam)
{
    // Like a dialog: the focus goes back to where it was, Combo1 at first.
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
    } else {
        SetFocus(lastFocus_ ? lastFocus_ : Control(Combo1));
    }
}

void Form1::OnNextDlgCtl(WPARAM wParam, LPARAM lParam)
{
    // A multi-line edit box asks for the next control this way on Tab; only
    // a dialog's own procedure would answer it.
    const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0);
    if (!next) return;
    SetFocus(next);
    if (IsReadingBox(next)) SendMessageW(next, EM_SETSEL, 0, -1);
}

void Form1::Label4_Click()
{
    if (!about_) about_ = std::make_unique<Form2>();
    about_->Show();
}

void Form1::Form_Unload()
{
    // Ends the program at once: the about window goes with the main window.
    about_.reset();
    DestroyWindow(Handle());
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_COMMAND: OnCommand(wParam, reinterpret_cast<HWND>(lParam)); return 0;
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLOREDIT: return OnCtlColorEdit(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
    case WM_ACTIVATE: OnActivate(wParam); return 0;
    case WM_NEXTDLGCTL: OnNextDlgCtl(wParam, lParam); return 0;
    case WM_HELP: Label4_Click(); return TRUE;  // F1 opens the about window
    case WM_PAINT: PaintLines(); return 0;
    case WM_DPICHANGED:
        ApplyDpi(HIWORD(wParam));
        MoveToSuggestedCorner(Handle(), lParam);
        return 0;
    case WM_CLOSE: Form_Unload(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
