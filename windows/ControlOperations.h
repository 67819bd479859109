#pragma once
// The engine's verbs carried out on the main window's real controls.
#include "engine/Operations.h"

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

class ControlOperations : public Operations {
public:
    // The controls, indexed by Widget.
    using WidgetHandles = std::array<HWND, WidgetCount>;
    // Called with the control whose caption or text changed.
    using Changed = std::function<void(HWND)>;

    // Captions and texts are held, latest only, until WriteHeld: a window
    // that is not shown yet gets each control written once.
    ControlOperations(const WidgetHandles& handles, Changed changed);

    // Writes each held caption and text once, then lets writes through.
    void WriteHeld();
    // A list stops redrawing at the first change of a fill and redraws once,
    // here: the window calls this each time an engine handler returns.
    void EndFills();

    void ListAppend(Widget list, const std::string& text, int position) override;
    void ListClear(Widget list) override;
    std::string ListText(Widget list) const override;
    void ListSelectByText(Widget list, const std::string& text) override;
    void SetCaption(Widget label, const std::string& text) override;
    void SetText(Widget textBox, const std::string& text) override;
    Date Today() const override;

private:
    HWND Handle(Widget widget) const { return handles_[static_cast<std::size_t>(widget)]; }
    void Write(Widget widget, const std::string& text);
    void SetControlText(Widget widget, const std::wstring& text);
    void StopRedraw(Widget list);

    WidgetHandles handles_;
    Changed changed_;
    bool holding_ = true;
    std::array<std::optional<std::wstring>, WidgetCount> held_;
    std::array<bool, WidgetCount> filling_{};  // lists not redrawing until EndFills
};
