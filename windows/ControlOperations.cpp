#include "ControlOperations.h"

#include "ui/Check.h"
#include "ui/ComboBox.h"
#include "ui/Text.h"

#include <stdexcept>

ControlOperations::ControlOperations(const WidgetHandles& handles, Changed changed)
    : handles_(handles), changed_(std::move(changed))
{
}

void ControlOperations::WriteHeld()
{
    holding_ = false;
    for (std::size_t w = 0; w < WidgetCount; ++w) {
        if (!held_[w]) continue;
        SetControlText(static_cast<Widget>(w), *held_[w]);
        held_[w].reset();
    }
}

void ControlOperations::Write(Widget widget, const std::string& text)
{
    if (holding_) {
        held_[static_cast<std::size_t>(widget)] = Widen(text);
        return;
    }
    SetControlText(widget, Widen(text));
}

void ControlOperations::SetControlText(Widget widget, const std::wstring& text)
{
    // A pick computes the number twice, and often keeps it: what is already
    // shown is not written again, nor its box refitted. The control's own
    // text is compared, so whatever the user typed into a box is replaced.
    if (WindowText(Handle(widget)) == text) return;
    Check(SetWindowTextW(Handle(widget), text.c_str()) != 0, "SetWindowTextW");
    changed_(Handle(widget));
}

void ControlOperations::StopRedraw(Widget list)
{
    bool& filling = filling_[static_cast<std::size_t>(list)];
    if (filling) return;
    filling = true;
    SendMessageW(Handle(list), WM_SETREDRAW, FALSE, 0);
}

void ControlOperations::EndFills()
{
    for (std::size_t w = 0; w < WidgetCount; ++w) {
        if (!filling_[w]) continue;
        filling_[w] = false;
        const HWND list = handles_[w];
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    }
}

void ControlOperations::ListAppend(Widget list, const std::string& text, int position)
{
    StopRedraw(list);
    const std::wstring entry = Widen(text);
    const LRESULT at = SendMessageW(Handle(list), CB_INSERTSTRING, static_cast<WPARAM>(position),
                                    reinterpret_cast<LPARAM>(entry.c_str()));
    if (at == CB_ERR || at == CB_ERRSPACE) throw std::runtime_error("CB_INSERTSTRING failed");
}

void ControlOperations::ListClear(Widget list)
{
    StopRedraw(list);
    SendMessageW(Handle(list), CB_RESETCONTENT, 0, 0);
}

std::string ControlOperations::ListText(Widget list) const
{
    return Narrow(SelectedEntry(Handle(list)));
}

void ControlOperations::ListSelectByText(Widget list, const std::string& text)
{
    const LRESULT index = FindEntry(Handle(list), Widen(text));
    if (index == CB_ERR) throw std::runtime_error("no list entry \"" + text + "\"");
    // A selection made by message raises no CBN_SELCHANGE, so the engine's
    // own Click is the only one.
    SendMessageW(Handle(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ControlOperations::SetCaption(Widget label, const std::string& text)
{
    Write(label, text);
}

void ControlOperations::SetText(Widget textBox, const std::string& text)
{
    Write(textBox, text);
}

Date ControlOperations::Today() const
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}
