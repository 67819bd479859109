#pragma once
// The engine's verbs carried out on the main window's real controls.
#include "Operations.h"

#include <windows.h>

#include <array>
#include <functional>

class ControlOperations : public Operations {
public:
    // The controls, indexed by Widget.
    using Controls = std::array<HWND, WidgetCount>;
    // Called after a caption or text changed: Label4 takes its text's size,
    // a reading box makes its text fit.
    using Changed = std::function<void(Widget)>;

    ControlOperations(const Controls& controls, Changed changed);

    void ListAppend(Widget list, const std::string& text, int position) override;
    void ListClear(Widget list) override;
    std::string ListText(Widget list) const override;
    void ListSelectByText(Widget list, const std::string& text) override;
    void SetCaption(Widget label, const std::string& text) override;
    void SetText(Widget textBox, const std::string& text) override;
    Date Today() const override;

private:
    HWND Handle(Widget widget) const { return controls_[static_cast<std::size_t>(widget)]; }

    Controls controls_;
    Changed changed_;
};
