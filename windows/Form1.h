#pragma once
// The main window: the three date lists, the life number and the readings.
#include "ControlOperations.h"
#include "Engine.h"
#include "Form2.h"
#include "Handles.h"
#include "Window.h"

#include <memory>
#include <vector>

class Form1 : public Window {
public:
    // Builds the window and runs Form_Load; the window stays hidden until Show.
    Form1();
    ~Form1() override;

    void Show(int showCommand);

    bool PreTranslate(const MSG& msg) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCreate();
    void OnCommand(WPARAM wParam, HWND from);
    LRESULT OnCtlColorStatic(HDC dc, HWND label) const;
    LRESULT OnCtlColorEdit(HDC dc) const;
    bool OnSetCursor(HWND under);
    void OnActivate(WPARAM wParam);
    void OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
    void ApplyDpi(UINT dpi);
    void OnWidgetChanged(Widget widget);
    void PlaceLabel4();
    void FitReading(int box);
    void PaintLines();
    bool IsReadingBox(HWND hwnd) const;
    void Label4_Click();
    void Form_Unload();
    HWND Control(int index) const { return controls_[static_cast<std::size_t>(index)]; }

    UINT dpi_ = 96;
    std::vector<HWND> controls_;
    UniqueFont defaultFont_;
    UniqueFont numberFont_;
    UniqueFont text1Font_;  // smaller than the default, while Text1 needs it
    UniqueFont text2Font_;
    std::unique_ptr<ControlOperations> ops_;
    std::unique_ptr<Engine> engine_;
    HWND lastFocus_ = nullptr;
    std::unique_ptr<Form2> about_;  // created on the first click on the number
};
