#include "ui/LaidOutWindow.h"

#include "ui/Dpi.h"

#include <stdexcept>
#include <string>

void LaidOutWindow::Create(HWND owner)
{
    RegisterClassOnce(frame_.className, frame_.icon, frame_.background);
    const SIZE outer =
        OuterSizeForClient(frame_.clientWidth, frame_.clientHeight, frame_.style, frame_.exStyle, SystemDpi());
    Window::Create(frame_.className, frame_.caption, frame_.style, frame_.exStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                   outer.cx, outer.cy, owner);
}

void LaidOutWindow::OnCreate()
{
    // Fonts first: each control is born with its font and in its place.
    dpi_ = DpiOfWindow(Handle());
    fonts_ = MakeFonts(dpi_);
    controls_.reserve(design_.size());
    for (std::size_t row = 0; row < design_.size(); ++row)
        controls_.push_back(CreateControl(Handle(), *design_[row], dpi_, FontFor(design_[row]->font)));
    // The window was made for the system's DPI; its monitor may have another.
    if (dpi_ != SystemDpi()) {
        const SIZE outer =
            OuterSizeForClient(frame_.clientWidth, frame_.clientHeight, frame_.style, frame_.exStyle, dpi_);
        SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    OnDpiApplied();
    OnCreated();
}

void LaidOutWindow::ApplyDpi(UINT dpi)
{
    dpi_ = dpi;
    // Hand the controls their new fonts before the old ones are deleted;
    // text-sized controls are measured in them.
    Fonts fonts = MakeFonts(dpi);
    std::swap(fonts_, fonts);
    for (std::size_t row = 0; row < design_.size(); ++row) {
        SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(design_[row]->font)), FALSE);
        PlaceControl(controls_[row], *design_[row], dpi);
    }
    OnDpiApplied();
}

HFONT LaidOutWindow::FontFor(FontRole role) const
{
    const UniqueFont& font = role == FontRole::Large  ? fonts_.large
                             : role == FontRole::Bold ? fonts_.bold
                                                      : fonts_.normal;
    return font ? font.Get() : fonts_.normal.Get();
}

std::size_t LaidOutWindow::RowOf(int id) const
{
    for (std::size_t row = 0; row < controls_.size(); ++row) {
        if (design_[row]->id == id) return row;
    }
    throw std::logic_error("no control " + std::to_string(id) + " in the layout");
}

HWND LaidOutWindow::Control(int id) const
{
    return controls_[RowOf(id)];
}

void LaidOutWindow::PlaceAgain(int id)
{
    const std::size_t row = RowOf(id);
    PlaceControl(controls_[row], *design_[row], dpi_);
}

void LaidOutWindow::OnDpiChanged(UINT asked, const RECT& suggested)
{
    const UINT dpi = ClampDpi(asked);
    ApplyDpi(dpi);
    SIZE outer{suggested.right - suggested.left, suggested.bottom - suggested.top};
    // A rectangle suggested for a DPI no monitor has is no guide to the size.
    if (dpi != asked)
        outer = OuterSizeForClient(frame_.clientWidth, frame_.clientHeight, frame_.style, frame_.exStyle, dpi);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void LaidOutWindow::OnCommand(WPARAM wParam)
{
    const int id = LOWORD(wParam);
    if (id == IDCANCEL) {
        OnCancel();
        return;
    }
    OnControl(id, HIWORD(wParam));
}

LRESULT LaidOutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_COMMAND: OnCommand(wParam); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_NCDESTROY:
        // The controls are gone: free their fonts now, not with the object.
        controls_.clear();
        fonts_ = Fonts();
        return Window::HandleMessage(message, wParam, lParam);
    default: return Window::HandleMessage(message, wParam, lParam);
    }
}
