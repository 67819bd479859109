#include "Form1Layout.h"

#include "resource.h"

namespace Form1Layout {

namespace {
constexpr DWORD LeftLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD CentredLabel = SS_CENTER | SS_NOPREFIX;
// A STATIC reports clicks only with SS_NOTIFY.
constexpr DWORD NumberLabel = SS_CENTER | SS_NOPREFIX | SS_NOTIFY;
constexpr DWORD DropDownList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
// No scroll bars; ES_AUTOVSCROLL still lets the caret bring overflow into view.
constexpr DWORD ReadingBox = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP;
}  // namespace

const std::array<ControlSpec, Count> Controls = {{
    {IDC_F1_LABEL1, L"STATIC", L"Rok", CentredLabel, 240, 360, 780, 195, FontRole::Default, Fit::Fixed},
    {IDC_F1_COMBO1, L"COMBOBOX", L"", DropDownList, 240, 600, 855, 315, FontRole::Default, Fit::Fixed},
    {IDC_F1_LABEL2, L"STATIC", L"Měsíc", CentredLabel, 1200, 360, 555, 195, FontRole::Default, Fit::Fixed},
    {IDC_F1_COMBO2, L"COMBOBOX", L"", DropDownList, 1200, 600, 615, 315, FontRole::Default, Fit::Fixed},
    {IDC_F1_LABEL3, L"STATIC", L"Den", CentredLabel, 1920, 360, 540, 195, FontRole::Default, Fit::Fixed},
    {IDC_F1_COMBO3, L"COMBOBOX", L"", DropDownList, 1920, 600, 615, 315, FontRole::Default, Fit::Fixed},
    {IDC_F1_LABEL4, L"STATIC", L"", NumberLabel, 3960, 240, 210, 840, FontRole::Number, Fit::ToTextKeepCentre},
    {IDC_F1_TEXT1, L"EDIT", L"", ReadingBox, 240, 1440, 2295, 1815, FontRole::Default, Fit::Fixed},
    {IDC_F1_LABEL5, L"STATIC", L"Zde zadejte datum vašeho narození", LeftLabel, 120, 120, 2550, 195, FontRole::Default, Fit::ToText},
    {IDC_F1_TEXT2, L"EDIT", L"", ReadingBox, 2760, 1440, 2655, 1815, FontRole::Default, Fit::Fixed},
    {IDC_F1_LABEL6, L"STATIC", L"Kalvio je...", CentredLabel, 3600, 120, 1065, 195, FontRole::Default, Fit::ToText},
    {IDC_F1_LABEL7, L"STATIC", L"Jaký(á) jste...", LeftLabel, 240, 1200, 930, 195, FontRole::Default, Fit::ToText},
    {IDC_F1_LABEL8, L"STATIC", L"Jaký(á) jste...v partnerském vztahu", LeftLabel, 2800, 1200, 2460, 195, FontRole::Default, Fit::ToText},
}};

// The frame around Text1 and the two crosses on Text2's corners.
const std::array<LineSpec, 8> Lines = {{
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
