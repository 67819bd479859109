#include "Form1.h"

#include "ui/Check.h"
#include "ui/Dpi.h"
#include "ui/FitText.h"
#include "Fonts.h"
#include "Form1Layout.h"
#include "ui/Tooltip.h"
#include "res/resource.h"

using namespace Form1Layout;

namespace {

LaidOutWindow::Frame MainFrame()
{
    // Fixed single border with caption and system menu; no sizing, no min/max box.
    return {L"Kalvio.Form1",
            L"Kalvio!",
            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
            0,
            ClientWidth,
            ClientHeight,
            LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KALVIO)),
            GetSysColorBrush(COLOR_BTNFACE)};
}

// A reading never shrinks below this to fit its box.
constexpr int SmallestReadingCentiPoints = 500;

}  // namespace

Form1::Form1() : LaidOutWindow(MainFrame(), Controls)
{
    Create(nullptr);
}

Form1::~Form1()
{
    // Gone before the reading fonts it draws with.
    Destroy();
}

void Form1::Show(int showCommand)
{
    ops_->WriteHeld();
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    Check(PostMessageW(Handle(), AddTooltipMessage, 0, 0) != 0, "PostMessageW (tool tip)");
}

HWND Form1::Control(Widget widget) const
{
    return LaidOutWindow::Control(Row(WidgetIds[static_cast<std::size_t>(widget)]));
}

LaidOutWindow::Fonts Form1::MakeFonts(UINT dpi)
{
    return {MakeDefaultFont(dpi), UniqueFont(), MakeNumberFont(dpi)};
}

void Form1::OnCreated()
{
    ControlOperations::Controls controls{};
    for (std::size_t w = 0; w < WidgetCount; ++w) controls[w] = Control(static_cast<Widget>(w));
    ops_ = std::make_unique<ControlOperations>(controls, [this](Widget widget) { OnWidgetChanged(widget); });
    engine_ = std::make_unique<Engine>(*ops_);
    engine_->Form_Load();
}

void Form1::OnDpiApplied()
{
    // At creation the boxes are still empty; their texts are fitted as written.
    if (!ops_) return;
    FitReading(Widget::Text1);
    FitReading(Widget::Text2);
}

void Form1::OnWidgetChanged(Widget widget)
{
    if (widget == Widget::Label4) PlaceLabel4();
    if (widget == Widget::Text1 || widget == Widget::Text2) FitReading(widget);
}

void Form1::PlaceLabel4()
{
    // The label is transparent: the window repaints what lay under the old
    // caption and lies under the new one (the heading overlaps it).
    const HWND label = Control(Widget::Label4);
    RECT area = RectInParent(label);
    PlaceControl(label, Controls[Row(IDC_F1_LABEL4)], Dpi());
    const RECT now = RectInParent(label);
    UnionRect(&area, &area, &now);
    RedrawWindow(Handle(), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1::FitReading(Widget box)
{
    // The boxes have no scroll bars: a reading too long for its box at the
    // screen's scale and fonts gets a smaller font instead of being cut.
    UniqueFont& own = box == Widget::Text1 ? text1Font_ : text2Font_;
    own = FitTextToBox(Control(box), FontFor(FontRole::Default), DefaultCentiPoints, SmallestReadingCentiPoints,
                       [this](int centiPoints) { return MakeDefaultFont(Dpi(), centiPoints); });
}

void Form1::OnPaint() const
{
    PaintScope paint(Handle());
    const HDC dc = paint.Get();
    SelectScope pen(dc, GetStockObject(DC_PEN));
    const COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
    SetDCPenColor(dc, colour);
    for (const LineSpec& line : Lines) {
        const POINT to{TwipsToPixels(line.x2, Dpi()), TwipsToPixels(line.y2, Dpi())};
        MoveToEx(dc, TwipsToPixels(line.x1, Dpi()), TwipsToPixels(line.y1, Dpi()), nullptr);
        LineTo(dc, to.x, to.y);
        SetPixelV(dc, to.x, to.y, colour);  // LineTo stops short of the end point
    }
}

bool Form1::IsReadingBox(HWND hwnd) const
{
    return hwnd == Control(Widget::Text1) || hwnd == Control(Widget::Text2);
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

void Form1::OnControl(std::size_t row, WORD code)
{
    const int id = Controls[row].id;
    if (code == CBN_SELCHANGE) {
        for (std::size_t w = 0; w < WidgetCount; ++w) {
            if (WidgetIds[w] == id) engine_->Click(static_cast<Widget>(w));
        }
    } else if (IsClick(code) && id == IDC_F1_LABEL4) {
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

bool Form1::OnSetCursor(HWND under) const
{
    if (under != Control(Widget::Label4)) return false;
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
        SetFocus(lastFocus_ ? lastFocus_ : Control(Widget::Combo1));
    }
}

void Form1::OnNextDlgCtl(WPARAM wParam, LPARAM lParam)
{
    // A multi-line edit box asks for the next control this way on Tab; only
    // a dialog's own procedure would answer it.
    const HWND next =
        LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0);
    if (!next) return;
    SetFocus(next);
    if (IsReadingBox(next)) SendMessageW(next, EM_SETSEL, 0, -1);
}

void Form1::AddNumberTooltip()
{
    if (hasTooltip_) return;
    AddTooltip(Handle(), Control(Widget::Label4), L"Kalvio!");
    hasTooltip_ = true;
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
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLOREDIT: return OnCtlColorEdit(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
    case WM_ACTIVATE: OnActivate(wParam); return 0;
    case WM_NEXTDLGCTL: OnNextDlgCtl(wParam, lParam); return 0;
    case WM_HELP: Label4_Click(); return TRUE;  // F1 opens the about window
    case AddTooltipMessage: AddNumberTooltip(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_CLOSE: Form_Unload(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return LaidOutWindow::HandleMessage(message, wParam, lParam);
}
