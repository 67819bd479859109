#pragma once
// A top-level window built from a layout table in twips: its class, its size
// for the DPI, its controls and their fonts, all kept right when the DPI
// changes. A window of the program adds only what is its own.
#include "ui/Handles.h"
#include "ui/Layout.h"
#include "ui/Window.h"

#include <array>
#include <cstddef>
#include <vector>

class LaidOutWindow : public Window {
public:
    struct Frame {
        const wchar_t* className;
        const wchar_t* caption;
        DWORD style;
        DWORD exStyle;
        int clientWidth, clientHeight;  // twips
        HICON icon;
        HBRUSH background;
    };

    // The fonts the controls get by their role; a missing one falls back to
    // the default font.
    struct Fonts {
        UniqueFont normal;
        UniqueFont bold;
        UniqueFont number;
    };

    ~LaidOutWindow() override;

protected:
    template <std::size_t N>
    LaidOutWindow(const Frame& frame, const std::array<ControlSpec, N>& controls)
        : frame_(frame), design_(controls.data()), count_(N)
    {
    }

    // Registers the class and creates the window at its client size; call it
    // from the constructor of the most derived class.
    void Create(HWND owner);

    HWND Control(std::size_t row) const { return controls_.at(row); }
    UINT Dpi() const { return dpi_; }
    HFONT FontFor(FontRole role) const;

    virtual Fonts MakeFonts(UINT dpi) = 0;
    // After the controls exist and have their fonts and places.
    virtual void OnCreated() {}
    // After the controls are created, and after a new DPI's fonts and places
    // before the window is redrawn.
    virtual void OnDpiApplied() {}
    // A notification from the control in this row of the table.
    virtual void OnControl(std::size_t row, WORD code) = 0;
    // Escape in a window whose keys go through the dialog manager.
    virtual void OnCancel() {}

    // A STATIC with SS_NOTIFY reports a quick second click as a double
    // click; it is a click all the same.
    static bool IsClick(WORD code) { return code == STN_CLICKED || code == STN_DBLCLK; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCreate();
    void OnCommand(WPARAM wParam);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void ApplyDpi(UINT dpi);

    Frame frame_;
    const ControlSpec* design_;
    std::size_t count_;
    UINT dpi_ = 96;
    std::vector<HWND> controls_;
    Fonts fonts_;
};
