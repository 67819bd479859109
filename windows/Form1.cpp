#include "Form1.h"

#include "Dpi.h"
#include "Fatal.h"
#include "Fonts.h"
#include "Form1Layout.h"
#include "Tooltip.h"
#include "resource.h"

#include <stdexcept>
#include <string>

using namespace Form1Layout;

namespace {

constexpr wchar_t ClassName[] = L"Kalvio.Form1";
// Fixed single border with caption and system menu; no sizing, no min/max box.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = 0;

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
        [this] { PlaceLabel4(); });
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
    const SIZE outer = OuterSizeForClient(ClientWidth, ClientHeight, Style, ExStyle, dpi);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Form1::PlaceLabel4()
{
    PlaceControl(Control(Label4), Controls[Label4], dpi_);
    InvalidateRect(Control(Label4), nullptr, TRUE);
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
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND: {
        const HWND from = reinterpret_cast<HWND>(lParam);
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            if (from == Control(Combo1)) engine_->Click(Widget::Combo1);
            else if (from == Control(Combo2)) engine_->Click(Widget::Combo2);
            else if (from == Control(Combo3)) engine_->Click(Widget::Combo3);
        }
        // A quick second click arrives as STN_DBLCLK; it is a click all the same.
        else if ((HIWORD(wParam) == STN_CLICKED || HIWORD(wParam) == STN_DBLCLK) &&
                 from == Control(Label4))
            Label4_Click();
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLOREDIT: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == Control(Label4)) {
            SetCursor(LoadCursorW(nullptr, IDC_HELP));
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        // Like a dialog: the focus goes back to where it was, Combo1 at first.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
        } else {
            SetFocus(lastFocus_ ? lastFocus_ : Control(Combo1));
        }
        return 0;
    case WM_PAINT:
        PaintLines();
        return 0;
    case WM_DPICHANGED:
        ApplyDpi(HIWORD(wParam));
        MoveToSuggestedCorner(Handle(), lParam);
        return 0;
    case WM_CLOSE:
        Form_Unload();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
