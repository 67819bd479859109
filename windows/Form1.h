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

#include <memory>

class Form1 : public LaidOutWindow {
public:
    // Posted by Show: the number's tool tip and live region, which the first
    // paint does not need, are made after it. A test that pumps the window's
    // messages after Show gets both.
    static constexpr UINT AfterFirstPaintMessage = WM_APP + 1;

    // Builds the window and runs Form_Load; the window stays hidden until Show.
    Form1();
    ~Form1() override;

    // Writes the controls once with what Form_Load left in them, then shows
    // and paints the window.
    void Show(int showCommand);
    bool PreTranslate(const MSG& msg) override;
    // The date, the number and the readings as the window shows them now.
    Result CurrentResult() const;

protected:
    Fonts MakeFonts(UINT dpi) override;
    void OnCreated() override;
    void OnDpiApplied() override;
    void OnControl(int id, WORD code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RunEngine(void (Engine::*handler)());
    bool IsReadingBox(HWND hwnd) const;
    bool IsSelectionIn(HWND hwnd) const;
    void AddCommandsToSystemMenu() const;
    void OnContextMenu(HWND target, LPARAM lParam);
    bool RunCommand(UINT id);
    void CopyResult();
    void OnWidgetChanged(Widget widget);
    void PlaceLabel4();
    void FitReading(int id, UniqueFont& smallerFont);
    LRESULT OnCtlColorStatic(HDC dc, HWND label) const;
    LRESULT OnCtlColorEdit(HDC dc) const;
    bool OnSetCursor(HWND under) const;
    void OnActivate(WPARAM wParam);
    void OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
    void OnPaint() const;
    void AfterFirstPaint();
    void Label4_Click();
    void Form_Unload();

    std::unique_ptr<ControlOperations> operations_;
    std::unique_ptr<Engine> engine_;
    UniqueFont text1Font_;  // smaller than the design font, while Text1 needs it
    UniqueFont text2Font_;
    HWND lastFocus_ = nullptr;
    std::unique_ptr<LateBoundApis> apis_;  // COM and the shell, loaded after the first paint
    std::unique_ptr<LiveRegion> numberRegion_;
    std::unique_ptr<Form2> about_;  // created on the first click on the number
};
