#include "ControlOperations.h"

#include "ui/Check.h"
#include "ui/Text.h"

#include <stdexcept>

ControlOperations::ControlOperations(const Controls& controls, Changed changed)
    : controls_(controls), changed_(std::move(changed))
{
}

void ControlOperations::WriteHeld()
{
    holding_ = false;
    for (std::size_t w = 0; w < WidgetCount; ++w) {
        if (!held_[w]) continue;
        const auto widget = static_cast<Widget>(w);
        Check(SetWindowTextW(Handle(widget), held_[w]->c_str()) != 0, "SetWindowTextW");
        held_[w].reset();
        changed_(widget);
    }
}

void ControlOperations::Write(Widget widget, const std::string& text)
{
    if (holding_) {
        held_[static_cast<std::size_t>(widget)] = Widen(text);
        return;
    }
    Check(SetWindowTextW(Handle(widget), Widen(text).c_str()) != 0, "SetWindowTextW");
    changed_(widget);
}

// The engine fills a list by clearing or appending from the top and ends
// every fill by reading or selecting; the list redraws once, at the end.
void ControlOperations::BeginFill(Widget list)
{
    bool& filling = filling_[static_cast<std::size_t>(list)];
    if (filling) return;
    filling = true;
    SendMessageW(Handle(list), WM_SETREDRAW, FALSE, 0);
}

void ControlOperations::EndFill(Widget list) const
{
    bool& filling = filling_[static_cast<std::size_t>(list)];
    if (!filling) return;
    filling = false;
    SendMessageW(Handle(list), WM_SETREDRAW, TRUE, 0);
    RedrawWindow(Handle(list), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void ControlOperations::ListAppend(Widget list, const std::string& text, int position)
{
    BeginFill(list);
    const std::wstring entry = Widen(text);
    const LRESULT at = SendMessageW(Handle(list), CB_INSERTSTRING, static_cast<WPARAM>(position),
                                    reinterpret_cast<LPARAM>(entry.c_str()));
    if (at == CB_ERR || at == CB_ERRSPACE) throw std::runtime_error("CB_INSERTSTRING failed");
}

void ControlOperations::ListClear(Widget list)
{
    BeginFill(list);
    SendMessageW(Handle(list), CB_RESETCONTENT, 0, 0);
}

std::string ControlOperations::ListText(Widget list) const
{
    EndFill(list);
    const HWND combo = Handle(list);
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return "";
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == CB_ERR) throw std::runtime_error("CB_GETLBTEXTLEN failed");
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

void ControlOperations::ListSelectByText(Widget list, const std::string& text)
{
    EndFill(list);
    const HWND combo = Handle(list);
    const std::wstring wanted = Widen(text);
    // CB_SELECTSTRING would match a prefix ("1" finds "10"); look for the whole text.
    const LRESULT index =
        SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wanted.c_str()));
    if (index == CB_ERR) throw std::runtime_error("no list entry \"" + text + "\"");
    // A selection made by message raises no CBN_SELCHANGE, so the engine's
    // own Click is the only one.
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
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
