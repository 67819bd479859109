#pragma once
// The main window: the three date lists, the life number and the readings.
#include "ControlOperations.h"
#include "Form2.h"
#include "Result.h"
#include "engine/Engine.h"
#include "ui/Handles.h"
#include "ui/LaidOutWindow.h"
#include "ui/LateBoundApis.h"
#include "ui/LiveRegion.h"

#include <map>
#include <memory>

namespace Form1Layout {
struct Row;
}

class Form1 : public LaidOutWindow {
public:
    // Posted by Show: the number's tool tip and live region, which the first
    // paint does not need, are made after it. A test that pumps the window's
    // messages after Show gets both.
    static constexpr UINT AfterFirstPaintMessage = WM_APP + 1;

    // Builds the window and runs Form_Load; the window stays hidden until Show.
    Form1();

    // Writes the controls once with what Form_Load left in them, then shows
    // and paints the window.
    void Show(int showCommand);
    bool PreTranslate(const MSG& msg) override;
    // The date, the number and the readings as the window shows them now.
    Result CurrentResult() const;
    // Opens the about window (the number's click, F1, the menus).
    void Label4_Click();

protected:
    Fonts MakeFonts(UINT dpi) override;
    void OnCreated() override;
    void OnDpiApplied() override;
    void OnControl(int id, WORD code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const Form1Layout::Row* LayoutRow(HWND control) const;
    void RunEngine(void (Engine::*handler)());
    bool IsReadingBox(HWND hwnd) const;
    bool IsSelectionIn(HWND hwnd) const;
    void AddCommandsToSystemMenu() const;
    void OnContextMenu(HWND target, LPARAM lParam);
    bool RunCommand(UINT id);
    void CopyResult();
    void OnTextChanged(HWND control);
    void FitReading(HWND box);
    LRESULT OnCtlColorStatic(HDC dc, HWND label) const;
    LRESULT OnCtlColorEdit(HDC dc) const;
    bool OnSetCursor(HWND under) const;
    void OnActivate(WPARAM wParam);
    void OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
    void OnPaint() const;
    void AfterFirstPaint();
    void Form_Unload();

    std::unique_ptr<ControlOperations> operations_;
    std::unique_ptr<Engine> engine_;
    std::map<HWND, UniqueFont> smallerFonts_;  // of reading boxes whose text needs one
    HWND lastFocus_ = nullptr;
    std::unique_ptr<LateBoundApis> apis_;  // COM and the shell, loaded after the first paint
    std::unique_ptr<LiveRegion> numberRegion_;
    std::unique_ptr<Form2> about_;  // created on the first click on the number
};
