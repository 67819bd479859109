#include "Form2.h"

#include "Form2Layout.h"
#include "ProgramFonts.h"
#include "ProgramIcon.h"
#include "WebLinks.h"
#include "res/resource.h"
#include "ui/Check.h"
#include "ui/Dpi.h"
#include "ui/Handles.h"
#include "ui/LaidOutWindow.h"
#include "ui/Picture.h"
#include "ui/Tooltip.h"

#include <exception>
#include <memory>
#include <string>
#include <utility>

using namespace Form2Layout;

namespace {

constexpr wchar_t OwnerClassName[] = L"Kalvio.Owner";
constexpr COLORREF LabelTextColour = RGB(255, 255, 255);

LaidOutWindow::Frame AboutFrame()
{
    // Fixed dialog frame with only the close button. WS_CLIPCHILDREN keeps the
    // background fill off the labels, which paint their own slice of it.
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    return {L"Kalvio.Form2", L"O programu", style,         WS_EX_DLGMODALFRAME,
            ClientWidth,     ClientHeight,  ProgramIcon(), nullptr};
}

// A STATIC with SS_NOTIFY reports a quick second click as a double click;
// on a link, it is a click all the same.
bool IsClick(WORD code)
{
    return code == STN_CLICKED || code == STN_DBLCLK;
}

// Lines a label's slice of the background brush up with the rest of the
// picture, whose origin is the window's.
void AlignBrushWith(HDC dc, HWND control)
{
    const RECT r = RectInParent(control);
    SetBrushOrgEx(dc, -r.left, -r.top, nullptr);
}

}  // namespace

// Never shown. An owned top-level window gets no taskbar button; owning the
// about window by this instead of the main window lets either of the two
// come in front of the other.
class Form2::Owner : public ::Window {
public:
    Owner()
    {
        RegisterClassOnce(OwnerClassName, nullptr, nullptr);
        Create(OwnerClassName, L"", WS_POPUP, 0, 0, 0, 0, 0, nullptr);
    }
};

class Form2::AboutWindow : public LaidOutWindow {
public:
    AboutWindow(HWND owner, const LateBoundApis& apis);

protected:
    Fonts MakeFonts(UINT dpi) override;
    void OnCreated() override;
    void OnDpiApplied() override;
    void OnControl(int id, WORD code) override;
    void OnCancel() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MakeBackground();
    HBRUSH Background() const;
    COLORREF TextColour() const;
    void SetIcons() const;
    void OnPaint() const;
    LRESULT OnCtlColorStatic(HDC dc, HWND label) const;
    void OnDrawItem(const DRAWITEMSTRUCT& item) const;
    void OnNcDestroy();

    const LateBoundApis& apis_;
    UniqueBrush background_;  // Image1 at the client size for the DPI, for the window and the label boxes; may be empty
};

Form2::AboutWindow::AboutWindow(HWND owner, const LateBoundApis& apis)
    : LaidOutWindow(AboutFrame(), Controls), apis_(apis)
{
    Create(owner);
}

LaidOutWindow::Fonts Form2::AboutWindow::MakeFonts(UINT dpi)
{
    return {MakeNormalFont(dpi), MakeBoldFont(dpi), UniqueFont()};
}

void Form2::AboutWindow::OnCreated()
{
    for (const Row& row : Controls) {
        if (row.tip) AddTooltip(Handle(), Control(row.id), row.tip);
    }
}

void Form2::AboutWindow::OnDpiApplied()
{
    MakeBackground();
    SetIcons();
}

void Form2::AboutWindow::MakeBackground()
{
    background_.Reset();
    try {
        const UniqueBitmap picture = LoadPictureResource(apis_, IDR_NIGHT_JPEG, TwipsToPixels(ClientWidth, Dpi()),
                                                         TwipsToPixels(ClientHeight, Dpi()));
        // The brush keeps its own copy of the bitmap.
        UniqueBrush brush(CreatePatternBrush(picture.Get()));
        Check(static_cast<bool>(brush), "CreatePatternBrush");
        background_ = std::move(brush);
    } catch (const std::exception& e) {
        // The picture is decoration (its decoder may be missing, or memory
        // short): the window shows the same texts and links without it.
        OutputDebugStringA(("Kalvio: the about window goes without its picture: " + std::string(e.what())).c_str());
    }
}

HBRUSH Form2::AboutWindow::Background() const
{
    return background_ ? background_.Get() : GetSysColorBrush(COLOR_BTNFACE);
}

COLORREF Form2::AboutWindow::TextColour() const
{
    // White is for the dark picture; the dialog colour takes the dialog's text colour.
    return background_ ? LabelTextColour : GetSysColor(COLOR_BTNTEXT);
}

void Form2::AboutWindow::SetIcons() const
{
    // A WS_EX_DLGMODALFRAME window shows a caption icon only when given one
    // with WM_SETICON; the class icon is not enough.
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon()));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon()));
}

void Form2::AboutWindow::OnPaint() const
{
    PaintScope paint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(paint.Get(), &client, Background());
}

LRESULT Form2::AboutWindow::OnCtlColorStatic(HDC dc, HWND label) const
{
    // The label fills its box with the picture's slice beneath it.
    AlignBrushWith(dc, label);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour());
    return reinterpret_cast<LRESULT>(Background());
}

void Form2::AboutWindow::OnDrawItem(const DRAWITEMSTRUCT& item) const
{
    AlignBrushWith(item.hDC, item.hwndItem);
    FillRect(item.hDC, &item.rcItem, Background());
    const int size = TwipsToPixels(IconTwips, Dpi());
    Check(DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, ProgramIcon(), size, size, 0, nullptr, DI_NORMAL),
          "DrawIconEx");
}

void Form2::AboutWindow::OnControl(int id, WORD code)
{
    const Row* row = FindRow(Controls, id);
    if (IsClick(code) && row && row->address) WebLinks::Open(apis_, Handle(), row->address);
}

void Form2::AboutWindow::OnCancel()
{
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void Form2::AboutWindow::OnNcDestroy()
{
    // The user closed the window (the children are gone by now): free its
    // picture at once rather than at the next Show.
    background_.Reset();
}

LRESULT Form2::AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: return TRUE;  // WM_PAINT covers the whole client area with the background
    case WM_PAINT: OnPaint(); return 0;
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_NCDESTROY: OnNcDestroy(); break;
    default: break;
    }
    return LaidOutWindow::HandleMessage(message, wParam, lParam);
}

Form2::Form2(const LateBoundApis& apis) : apis_(apis), owner_(std::make_unique<Owner>()) {}

Form2::~Form2() = default;

void Form2::Show()
{
    if (!window_ || !window_->Handle()) {
        window_.reset();
        window_ = std::make_unique<AboutWindow>(owner_->Handle(), apis_);
    }
    const HWND hwnd = window_->Handle();
    ShowWindow(hwnd, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd);
    BringWindowToTop(hwnd);
}
