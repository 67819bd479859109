#include "Form1.h"

#include "Form1Layout.h"
#include "ProgramFonts.h"
#include "ProgramIcon.h"
#include "res/resource.h"
#include "ui/Check.h"
#include "ui/Clipboard.h"
#include "ui/ComboBox.h"
#include "ui/Dpi.h"
#include "ui/FitText.h"
#include "ui/LineBreaks.h"
#include "ui/Text.h"
#include "ui/Tooltip.h"

#include <windowsx.h>

using namespace Form1Layout;

namespace {

LaidOutWindow::Frame MainFrame()
{
    // Fixed single border with caption and system menu; no sizing, no min/max box.
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    return {L"Kalvio.Form1", L"Kalvio!",   style,         0,
            ClientWidth,     ClientHeight, ProgramIcon(), GetSysColorBrush(COLOR_BTNFACE)};
}

// The commands that take the result out of the window, in the system menu
// and the context menu alike.
struct Command {
    UINT id;
    const wchar_t* text;
};
constexpr Command Commands[] = {
    {IDM_F1_COPY, L"Kopírovat výsledek\tCtrl+C"},
    {IDM_F1_PRINT, L"Tisk…\tCtrl+P"},
    {IDM_F1_ABOUT, L"O programu…\tF1"},
};

// A reading never shrinks below this to fit its box.
constexpr int SmallestReadingCentiPoints = 500;

// Shift+F10 or the context-menu key, down or up.
bool IsContextMenuKey(const MSG& msg)
{
    const bool key = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_SYSKEYDOWN ||
                     msg.message == WM_SYSKEYUP;
    return key && (msg.wParam == VK_APPS || (msg.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0));
}

}  // namespace

Form1::Form1() : LaidOutWindow(MainFrame(), Controls)
{
    Create(nullptr);
}

void Form1::Show(int showCommand)
{
    operations_->WriteHeld();
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    Check(PostMessageW(Handle(), AfterFirstPaintMessage, 0, 0) != 0, "PostMessageW (after the first paint)");
}

LaidOutWindow::Fonts Form1::MakeFonts(UINT dpi)
{
    return {MakeNormalFont(dpi), UniqueFont(), MakeNumberFont(dpi)};
}

void Form1::OnCreated()
{
    ControlOperations::WidgetHandles handles{};
    for (const Row& row : Controls) {
        if (row.widget != NoWidget) handles[static_cast<std::size_t>(row.widget)] = Control(row.id);
        if (row.fit == Fit::FontToText)
            SendMessageW(Control(row.id), EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(&LineBreakWordProc));
    }
    operations_ = std::make_unique<ControlOperations>(handles, [this](HWND control) { OnTextChanged(control); });
    engine_ = std::make_unique<Engine>(*operations_);
    RunEngine(&Engine::Form_Load);
    AddCommandsToSystemMenu();
}

void Form1::RunEngine(void (Engine::*handler)())
{
    (engine_.get()->*handler)();
    // The lists the handler filled redraw once, now that it is done.
    operations_->EndFills();
}

const Row* Form1::LayoutRow(HWND control) const
{
    if (!control || GetParent(control) != Handle()) return nullptr;
    return FindRow(Controls, GetDlgCtrlID(control));
}

void Form1::OnControl(int id, WORD code)
{
    // A pick in a list (with the mouse or the keys) and a click on the number
    // are all the window answers; a double-click on the number, like any
    // other event, does nothing.
    const Row* row = LayoutRow(GetDlgItem(Handle(), id));
    if (!row || code != row->event) return;
    if (row->enginePick) RunEngine(row->enginePick);
    if (row->windowClick) (this->*row->windowClick)();
}

void Form1::OnDpiApplied()
{
    // At creation the boxes are still empty; their texts are fitted as written.
    if (!operations_) return;
    for (const Row& row : Controls) {
        if (row.fit == Fit::FontToText) FitReading(Control(row.id));
    }
}

void Form1::OnTextChanged(HWND control)
{
    if (LayoutRow(control)->fit == Fit::FontToText) {
        FitReading(control);
        return;
    }
    // A label the engine writes (the number) takes its text's size. It is
    // transparent: the window repaints what lay under the old caption and
    // lies under the new one (the heading overlaps it).
    RECT area = RectInParent(control);
    PlaceAgain(GetDlgCtrlID(control));
    const RECT now = RectInParent(control);
    UnionRect(&area, &area, &now);
    RedrawWindow(Handle(), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    // It takes no focus: without this a screen reader would not say the
    // result of a pick.
    AnnounceLiveRegionChange(control);
}

void Form1::FitReading(HWND box)
{
    // The boxes have no scroll bars: a reading too long for its box at the
    // screen's scale and fonts gets a smaller font instead of being cut.
    smallerFonts_[box] = FitTextToBox(box, FontFor(FontRole::Normal), NormalCentiPoints, SmallestReadingCentiPoints,
                                      [this](int centiPoints) { return MakeNormalFont(Dpi(), centiPoints); });
}

void Form1::OnPaint() const
{
    PaintScope paint(Handle());
    const HDC dc = paint.Get();
    SelectScope pen(dc, GetStockObject(DC_PEN));
    const COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
    SetDCPenColor(dc, colour);
    for (const LineSpec& line : Lines) {
        const POINT to{TwipsToPixels(line.x2, Dpi()), TwipsToPixels(line.y2, Dpi())};
        MoveToEx(dc, TwipsToPixels(line.x1, Dpi()), TwipsToPixels(line.y1, Dpi()), nullptr);
        LineTo(dc, to.x, to.y);
        SetPixelV(dc, to.x, to.y, colour);  // LineTo stops short of the end point
    }
}

bool Form1::IsReadingBox(HWND hwnd) const
{
    const Row* row = LayoutRow(hwnd);
    return row && row->fit == Fit::FontToText;
}

bool Form1::IsSelectionIn(HWND hwnd) const
{
    if (!IsReadingBox(hwnd)) return false;
    DWORD start = 0, end = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

bool Form1::PreTranslate(const MSG& msg)
{
    // Drop-down lists swallow these keys (Wine's do) before the window could
    // turn them into WM_CONTEXTMENU; the reading boxes keep their own menu.
    if (IsContextMenuKey(msg) && !IsReadingBox(msg.hwnd)) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) OnContextMenu(Handle(), -1);
        return true;
    }
    if (msg.message != WM_KEYDOWN) return false;
    const bool control = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
    // Ctrl+C copies the whole result unless there is a selection to copy.
    if (control && msg.wParam == 'C' && !IsSelectionIn(msg.hwnd)) return RunCommand(IDM_F1_COPY);
    if (control && msg.wParam == 'P') return RunCommand(IDM_F1_PRINT);
    if (!IsReadingBox(msg.hwnd)) return false;
    // A multi-line edit box closes its parent on Escape, as if in a dialog.
    if (msg.wParam == VK_ESCAPE) return true;
    // Multi-line edit boxes have no select-all key of their own.
    if (control && msg.wParam == 'A') {
        SendMessageW(msg.hwnd, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

LRESULT Form1::OnCtlColorStatic(HDC dc, HWND label) const
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    // Labels paint no background: the window has painted beneath them.
    const bool isLabel = GetWindowLongPtrW(label, GWL_EXSTYLE) & WS_EX_TRANSPARENT;
    return reinterpret_cast<LRESULT>(isLabel ? GetStockObject(NULL_BRUSH) : GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Form1::OnCtlColorEdit(HDC dc) const
{
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool Form1::OnSetCursor(HWND under) const
{
    if (under != Control(IDC_F1_LABEL4)) return false;
    SetCursor(LoadCursorW(nullptr, IDC_HELP));
    return true;
}

void Form1::OnActivate(WPARAM wParam)
{
    // Like a dialog: the focus goes back to where it was, Combo1 at first.
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
    } else {
        SetFocus(lastFocus_ ? lastFocus_ : Control(IDC_F1_COMBO1));
    }
}

void Form1::OnNextDlgCtl(WPARAM wParam, LPARAM lParam)
{
    // A multi-line edit box asks for the next control this way on Tab; only
    // a dialog's own procedure would answer it.
    const HWND next =
        LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0);
    if (!next) return;
    SetFocus(next);
    if (IsReadingBox(next)) SendMessageW(next, EM_SETSEL, 0, -1);
}

void Form1::AfterFirstPaint()
{
    if (apis_) return;
    const HWND number = Control(IDC_F1_LABEL4);
    AddTooltip(Handle(), number, L"Kalvio!");
    apis_ = std::make_unique<LateBoundApis>();
    numberRegion_ = std::make_unique<LiveRegion>(*apis_, number);
}

void Form1::Label4_Click()
{
    AfterFirstPaint();  // the about window needs COM and the shell
    if (!about_) about_ = std::make_unique<Form2>(*apis_);
    about_->Show();
}

Result Form1::CurrentResult() const
{
    const auto entry = [this](int id) { return SelectedEntry(Control(id)); };
    const auto text = [this](int id) { return WindowText(Control(id)); };
    return {entry(IDC_F1_COMBO3) + L". " + entry(IDC_F1_COMBO2) + L". " + entry(IDC_F1_COMBO1),
            text(IDC_F1_LABEL4),
            text(IDC_F1_LABEL7),
            text(IDC_F1_TEXT1),
            text(IDC_F1_LABEL8),
            text(IDC_F1_TEXT2)};
}

void Form1::AddCommandsToSystemMenu() const
{
    const HMENU menu = GetSystemMenu(Handle(), FALSE);
    UINT position = 0;
    for (const Command& command : Commands)
        Check(InsertMenuW(menu, position++, MF_BYPOSITION | MF_STRING, command.id, command.text), "InsertMenuW");
    Check(InsertMenuW(menu, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr), "InsertMenuW");
}

void Form1::OnContextMenu(HWND target, LPARAM lParam)
{
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) {
        // From the keyboard: under the control that has the focus.
        const RECT focus = RectInParent(target == Handle() ? GetFocus() : target);
        at = {focus.left, focus.bottom};
        ClientToScreen(Handle(), &at);
    }
    const UniqueMenu menu(CreatePopupMenu());
    Check(static_cast<bool>(menu), "CreatePopupMenu");
    for (const Command& command : Commands) AppendMenuW(menu.Get(), MF_STRING, command.id, command.text);
    RunCommand(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr));
}

bool Form1::RunCommand(UINT id)
{
    switch (id) {
    case IDM_F1_COPY: CopyResult(); return true;
    case IDM_F1_PRINT: PrintResult(Handle(), CurrentResult()); return true;
    case IDM_F1_ABOUT: Label4_Click(); return true;
    default: return false;
    }
}

void Form1::CopyResult()
{
    if (PutTextOnClipboard(Handle(), ResultText(CurrentResult()))) return;
    MessageBoxW(Handle(),
                L"Výsledek se nepodařilo zkopírovat do schránky. Nejspíš ji právě používá jiný program; "
                L"zkuste to prosím za chvíli znovu.",
                L"Kalvio!", MB_OK | MB_ICONWARNING);
}

void Form1::Form_Unload()
{
    // Ends the program at once: the about window goes with the main window.
    about_.reset();
    DestroyWindow(Handle());
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLOREDIT: return OnCtlColorEdit(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
    case WM_ACTIVATE: OnActivate(wParam); return 0;
    case WM_NEXTDLGCTL: OnNextDlgCtl(wParam, lParam); return 0;
    case WM_HELP: Label4_Click(); return TRUE;  // F1 opens the about window
    case WM_SYSCOMMAND:
        if (RunCommand(static_cast<UINT>(wParam & 0xFFF0))) return 0;
        break;
    case WM_CONTEXTMENU:
        // The reading boxes keep the edit control's own menu.
        if (IsReadingBox(reinterpret_cast<HWND>(wParam))) break;
        OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case AfterFirstPaintMessage: AfterFirstPaint(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_CLOSE: Form_Unload(); return 0;
    case WM_DESTROY:
        numberRegion_.reset();  // while the label still exists
        PostQuitMessage(0);
        return 0;
    default: break;
    }
    return LaidOutWindow::HandleMessage(message, wParam, lParam);
}
