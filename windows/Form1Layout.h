#pragma once
// The main window's layout, in twips: one row per control, saying all that
// the window makes of it.
#include "Form1.h"
#include "engine/Engine.h"
#include "res/resource.h"
#include "ui/Layout.h"

#include <array>

namespace Form1Layout {

constexpr int ClientWidth = 5640;
constexpr int ClientHeight = 3495;

constexpr DWORD LeftLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD CentredLabel = SS_CENTER | SS_NOPREFIX;
// A STATIC reports clicks only with SS_NOTIFY.
constexpr DWORD NumberLabel = SS_CENTER | SS_NOPREFIX | SS_NOTIFY;
// Labels let the window's background show through: the number overlaps the
// heading above it, and the window paints beneath both.
constexpr DWORD Transparent = WS_EX_TRANSPARENT;
constexpr DWORD DropDownList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
// No scroll bars; ES_AUTOVSCROLL still lets the caret bring overflow into view.
constexpr DWORD ReadingBox = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP;

// A control of the main window: how and where it is made, the engine's
// widget it is (NoWidget for none), and what the notification `event` from it
// runs: an engine handler or the window's own.
struct Row : ControlSpec {
    Widget widget;
    WORD event;
    void (Engine::*enginePick)();
    void (Form1::*windowClick)();
};
constexpr Widget NoWidget = Widget::Count;

// Creation order is the tab order and the order screen readers use: a control
// with no name of its own is named after the label created just before it.
// Reading boxes (Fit::FontToText) wrap by Czech rules and take a smaller font
// when their text needs it. One control a row; the formatter leaves the table alone.
// clang-format off
inline constexpr std::array<Row, 13> Controls = {{
    {{IDC_F1_LABEL1, L"STATIC", L"Rok", CentredLabel, Transparent, 240, 360, 780, 195, FontRole::Normal, Fit::Fixed}, NoWidget, 0, nullptr, nullptr},
    {{IDC_F1_COMBO1, L"COMBOBOX", L"", DropDownList, 0, 240, 600, 855, 315, FontRole::Normal, Fit::Fixed}, Widget::Combo1, CBN_SELCHANGE, &Engine::Combo1_Click, nullptr},
    {{IDC_F1_LABEL2, L"STATIC", L"Měsíc", CentredLabel, Transparent, 1200, 360, 555, 195, FontRole::Normal, Fit::Fixed}, NoWidget, 0, nullptr, nullptr},
    {{IDC_F1_COMBO2, L"COMBOBOX", L"", DropDownList, 0, 1200, 600, 615, 315, FontRole::Normal, Fit::Fixed}, Widget::Combo2, CBN_SELCHANGE, &Engine::Combo2_Click, nullptr},
    {{IDC_F1_LABEL3, L"STATIC", L"Den", CentredLabel, Transparent, 1920, 360, 540, 195, FontRole::Normal, Fit::Fixed}, NoWidget, 0, nullptr, nullptr},
    {{IDC_F1_COMBO3, L"COMBOBOX", L"", DropDownList, 0, 1920, 600, 615, 315, FontRole::Normal, Fit::Fixed}, Widget::Combo3, CBN_SELCHANGE, &Engine::Combo3_Click, nullptr},
    {{IDC_F1_LABEL7, L"STATIC", L"Jaký(á) jste...", LeftLabel, Transparent, 240, 1200, 930, 195, FontRole::Normal, Fit::ToText}, NoWidget, 0, nullptr, nullptr},
    {{IDC_F1_TEXT1, L"EDIT", L"", ReadingBox, 0, 240, 1440, 2295, 1815, FontRole::Normal, Fit::FontToText}, Widget::Text1, 0, nullptr, nullptr},
    {{IDC_F1_LABEL8, L"STATIC", L"Jaký(á) jste...v partnerském vztahu", LeftLabel, Transparent, 2800, 1200, 2460, 195, FontRole::Normal, Fit::ToText}, NoWidget, 0, nullptr, nullptr},
    {{IDC_F1_TEXT2, L"EDIT", L"", ReadingBox, 0, 2760, 1440, 2655, 1815, FontRole::Normal, Fit::FontToText}, Widget::Text2, 0, nullptr, nullptr},
    {{IDC_F1_LABEL4, L"STATIC", L"", NumberLabel, Transparent, 3960, 240, 210, 840, FontRole::Large, Fit::ToTextKeepCentre}, Widget::Label4, STN_CLICKED, nullptr, &Form1::Label4_Click},
    {{IDC_F1_LABEL5, L"STATIC", L"Zde zadejte datum vašeho narození", LeftLabel, Transparent, 120, 120, 2550, 195, FontRole::Normal, Fit::ToText}, NoWidget, 0, nullptr, nullptr},
    {{IDC_F1_LABEL6, L"STATIC", L"Kalvio je...", CentredLabel, Transparent, 3600, 120, 1065, 195, FontRole::Normal, Fit::ToText}, NoWidget, 0, nullptr, nullptr},
}};
// clang-format on

// The frame around Text1 and the two crosses on Text2's corners.
inline constexpr std::array<LineSpec, 8> Lines = {{
    {2560, 1425, 120, 1425},
    {2640, 3255, 180, 3255},
    {195, 1320, 195, 3250},
    {2565, 1440, 2565, 3360},
    {2640, 1440, 3000, 1440},
    {2760, 1680, 2760, 1320},
    {5280, 3240, 5520, 3240},
    {5400, 3360, 5400, 3120},
}};

}  // namespace Form1Layout
