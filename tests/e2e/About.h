#pragma once
// Opening, reading and closing the about window the way a user does.
#include "KalvioApp.h"

#include <windows.h>

#include <string>
#include <vector>

// Everything a user can see of the about window that must not change.
struct AboutLook {
    std::wstring caption;
    std::vector<std::wstring> texts;  // Label1..Label6
    std::vector<RECT> places;         // Image2, Label1..Label6 in client coordinates
    SIZE client{};
    bool operator==(const AboutLook& other) const;
};

AboutLook LookOf(HWND about);

// Clicks the number label of the main window (after bringing it to the
// front) and returns the about window that is then visible, or null, once
// it has come to the front (or that has not happened in time).
HWND ClickNumber(const KalvioApp& app);

// Closes the about window with Alt+F4; true once it is gone.
bool CloseAbout(HWND about);

// Visible about windows of this Kalvio.
std::vector<HWND> AboutWindows(const KalvioApp& app);
