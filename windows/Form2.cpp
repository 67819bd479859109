#include "Form2.h"

#include "Dpi.h"
#include "Fatal.h"
#include "Fonts.h"
#include "Form2Layout.h"
#include "Handles.h"
#include "Picture.h"
#include "Tooltip.h"
#include "WebLinks.h"
#include "Window.h"
#include "resource.h"

#include <memory>
#include <utility>
#include <vector>

using namespace Form2Layout;

namespace {

constexpr wchar_t ClassName[] = L"Kalvio.Form2";
constexpr wchar_t OwnerClassName[] = L"Kalvio.Owner";
// Fixed dialog frame with only the close button. WS_CLIPCHILDREN keeps the
// background fill off the labels, which paint their own slice of it.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME;
constexpr COLORREF LabelTextColour = RGB(255, 255, 255);

UniqueIcon LoadProgramIcon(int size)
{
    const HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KALVIO),
                                   IMAGE_ICON, size, size, LR_DEFAULTCOLOR);
    Check(icon != nullptr, "LoadImageW (program icon)");
    return UniqueIcon(static_cast<HICON>(icon));
}

// A child's top-left corner in its parent's client coordinates.
POINT OffsetInParent(HWND child)
{
    POINT origin{0, 0};
    MapWindowPoints(child, GetParent(child), &origin, 1);
    return origin;
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

class Form2::AboutWindow : public ::Window {
public:
    AboutWindow(HWND owner, const LateBoundApis& apis);
    ~AboutWindow() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCreate();
    void ApplyDpi(UINT dpi);
    void MakeBackground();
    void SetFonts();  // and places the controls, which size to their text
    void SetIcons();
    void Paint();
    LRESULT ColourLabel(HDC dc, HWND label) const;
    void DrawImage2(const DRAWITEMSTRUCT& item) const;
    void OnCommand(WPARAM wParam);
    void Label4_Click();
    void Image2_Click();
    void ReleaseResources();
    HWND Control(Index index) const { return controls_[static_cast<std::size_t>(index)]; }

    const LateBoundApis& apis_;
    UINT dpi_ = 96;
    std::vector<HWND> controls_;
    UniqueBitmap background_;     // Image1, at the client size for dpi_
    UniqueBrush backgroundBrush_;  // the same picture, for filling label boxes
    UniqueFont defaultFont_;
    UniqueFont boldFont_;
    UniqueIcon icon_;  // caption, Alt+Tab and Image2
    UniqueIcon smallIcon_;
};

Form2::AboutWindow::AboutWindow(HWND owner, const LateBoundApis& apis) : apis_(apis)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClassOnce(ClassName, LoadIconW(instance, MAKEINTRESOURCEW(IDI_KALVIO)), nullptr);
    const SIZE outer = OuterSizeForClient(ClientWidth, ClientHeight, Style, ExStyle, SystemDpi());
    Create(ClassName, L"O programu", Style, ExStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
           outer.cy, owner);
}

Form2::AboutWindow::~AboutWindow()
{
    // Destroy the window while the fonts, icons and picture it uses still
    // exist; the base destructor would only get to it after they are gone.
    if (Handle()) DestroyWindow(Handle());
}

void Form2::AboutWindow::OnCreate()
{
    const UINT dpi = DpiOfWindow(Handle());
    controls_ = CreateControls(Handle(), Controls.data(), Controls.size(), dpi);
    AddTooltip(Handle(), Control(Label4), Label4Tip);
    AddTooltip(Handle(), Control(Image2), Image2Tip);
    ApplyDpi(dpi);
}

void Form2::AboutWindow::ApplyDpi(UINT dpi)
{
    dpi_ = dpi;
    MakeBackground();
    SetFonts();
    SetIcons();
    const SIZE outer = OuterSizeForClient(ClientWidth, ClientHeight, Style, ExStyle, dpi);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form2::AboutWindow::MakeBackground()
{
    UniqueBitmap picture = LoadPictureResource(apis_, IDR_NIGHT_JPEG, TwipsToPixels(ClientWidth, dpi_),
                                               TwipsToPixels(ClientHeight, dpi_));
    // The brush keeps its own copy of the bitmap.
    UniqueBrush brush(CreatePatternBrush(picture.Get()));
    Check(static_cast<bool>(brush), "CreatePatternBrush");
    background_ = std::move(picture);
    backgroundBrush_ = std::move(brush);
}

void Form2::AboutWindow::SetFonts()
{
    // Hand the labels their new fonts before the old ones are deleted; the
    // labels sized to their text are measured in them.
    UniqueFont defaultFont = MakeDefaultFont(dpi_);
    UniqueFont boldFont = MakeBoldFont(dpi_);
    ApplyLayout(controls_, Controls.data(), {defaultFont.Get(), boldFont.Get(), defaultFont.Get()}, dpi_);
    defaultFont_ = std::move(defaultFont);
    boldFont_ = std::move(boldFont);
}

void Form2::AboutWindow::SetIcons()
{
    // A WS_EX_DLGMODALFRAME window shows a caption icon only when given one
    // with WM_SETICON; the class icon is not enough.
    UniqueIcon icon = LoadProgramIcon(TwipsToPixels(IconTwips, dpi_));
    UniqueIcon smallIcon = LoadProgramIcon(TwipsToPixels(SmallIconTwips, dpi_));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.Get()));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.Get()));
    icon_ = std::move(icon);
    smallIcon_ = std::move(smallIcon);
}

void Form2::AboutWindow::Paint()
{
    PaintScope paint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(paint.Get(), &client, backgroundBrush_.Get());
}

LRESULT Form2::AboutWindow::ColourLabel(HDC dc, HWND label) const
{
    // The label fills its box with this brush; shifting the brush origin by
    // the label's position lines its slice of the picture up with the rest.
    const POINT offset = OffsetInParent(label);
    SetBrushOrgEx(dc, -offset.x, -offset.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, LabelTextColour);
    return reinterpret_cast<LRESULT>(backgroundBrush_.Get());
}

void Form2::AboutWindow::DrawImage2(const DRAWITEMSTRUCT& item) const
{
    const POINT offset = OffsetInParent(item.hwndItem);
    SetBrushOrgEx(item.hDC, -offset.x, -offset.y, nullptr);
    FillRect(item.hDC, &item.rcItem, backgroundBrush_.Get());
    const int size = TwipsToPixels(IconTwips, dpi_);
    Check(DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon_.Get(), size, size, 0,
                     nullptr, DI_NORMAL) != FALSE,
          "DrawIconEx");
}

void Form2::AboutWindow::OnCommand(WPARAM wParam)
{
    // The dialog keys turn Escape into IDCANCEL: it closes the window.
    if (LOWORD(wParam) == IDCANCEL) {
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
        return;
    }
    // A quick second click arrives as STN_DBLCLK; it is a click all the same.
    const WORD code = HIWORD(wParam);
    if (code != STN_CLICKED && code != STN_DBLCLK) return;
    if (LOWORD(wParam) == Controls[Label4].id) Label4_Click();
    else if (LOWORD(wParam) == Controls[Image2].id) Image2_Click();
}

void Form2::AboutWindow::Label4_Click() { WebLinks::Open(apis_, WebLinks::MakerAddress); }

void Form2::AboutWindow::Image2_Click() { WebLinks::Open(apis_, WebLinks::GameAddress); }

void Form2::AboutWindow::ReleaseResources()
{
    controls_.clear();
    background_.Reset();
    backgroundBrush_.Reset();
    defaultFont_.Reset();
    boldFont_.Reset();
    icon_.Reset();
    smallIcon_.Reset();
}

LRESULT Form2::AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;  // WM_PAINT covers the whole client area with the picture
    case WM_PAINT:
        Paint();
        return 0;
    case WM_CTLCOLORSTATIC:
        return ColourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        DrawImage2(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_DPICHANGED:
        ApplyDpi(HIWORD(wParam));
        MoveToSuggestedCorner(Handle(), lParam);
        return 0;
    case WM_NCDESTROY:
        // The user closed the window (the children are gone by now): free
        // its GDI and USER objects at once rather than at the next Show.
        ReleaseResources();
        break;
    default:
        break;
    }
    return ::Window::HandleMessage(message, wParam, lParam);
}

Form2::Form2() : owner_(std::make_unique<Owner>()) {}

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
