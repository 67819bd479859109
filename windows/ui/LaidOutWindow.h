#pragma once
// A top-level window built from a layout table in twips: its class, its size
// for the DPI, its controls and their fonts, all kept right when the DPI
// changes. A window of the program adds only what is its own.
#include "ui/Handles.h"
#include "ui/Layout.h"
#include "ui/Window.h"

#include <array>
#include <cstddef>
#include <type_traits>
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
    // the normal font.
    struct Fonts {
        UniqueFont normal;
        UniqueFont bold;
        UniqueFont large;
    };

protected:
    // `rows` is the window's layout table: ControlSpecs, or rows derived from
    // ControlSpec that say what else the window makes of each control. The
    // table must outlive the window.
    template <class Row, std::size_t N>
    LaidOutWindow(const Frame& frame, const std::array<Row, N>& rows) : frame_(frame)
    {
        static_assert(std::is_base_of_v<ControlSpec, Row>, "a layout row is a ControlSpec");
        for (const Row& row : rows) design_.push_back(&row);
    }

    // Registers the class and creates the window at its client size; call it
    // from the constructor of the most derived class.
    void Create(HWND owner);

    // The control with this id in the layout table.
    HWND Control(int id) const;
    // Places the control again, as its text now needs.
    void PlaceAgain(int id);
    UINT Dpi() const { return dpi_; }
    HFONT FontFor(FontRole role) const;

    virtual Fonts MakeFonts(UINT dpi) = 0;
    // After the controls exist and have their fonts and places.
    virtual void OnCreated() {}
    // After the controls are created, and after a new DPI's fonts and places
    // before the window is redrawn.
    virtual void OnDpiApplied() {}
    // A notification from the control with this id.
    virtual void OnControl(int id, WORD code) = 0;
    // Escape in a window whose keys go through the dialog manager.
    virtual void OnCancel() {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::size_t RowOf(int id) const;
    void OnCreate();
    void OnCommand(WPARAM wParam);
    void OnDpiChanged(UINT asked, const RECT& suggested);
    void ApplyDpi(UINT dpi);

    Frame frame_;
    std::vector<const ControlSpec*> design_;
    UINT dpi_ = 96;
    std::vector<HWND> controls_;
    Fonts fonts_;
};
