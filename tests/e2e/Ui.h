#pragma once
// What a user or a screen reader does with another program's windows:
// read controls through their messages, and act through real input
// (SendInput), which goes through the same queue as a person's mouse and keys.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace ui {

using namespace std::chrono_literals;
constexpr std::chrono::milliseconds DefaultWait = 5s;

// Polls until the condition holds or the time is up; returns the last result.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = DefaultWait);

// Positions in physical pixels whatever the driver's own DPI setting.
void BeDpiAware();
// The screen's dots per inch as the system reports them.
UINT SystemDpi();

// Reading.
std::wstring Text(HWND window);
std::wstring ClassName(HWND window);
std::vector<std::wstring> Items(HWND combo);
int SelectedIndex(HWND combo);
std::wstring SelectedText(HWND combo);
bool IsDropped(HWND combo);
SIZE ClientSize(HWND window);
RECT RectInParent(HWND child);  // in the parent's client coordinates
POINT CentreOnScreen(HWND window);
DWORD ProcessOf(HWND window);
std::vector<HWND> TopLevelWindows(DWORD pid);  // visible or not
std::vector<HWND> VisibleTopLevelWindows();    // of every process
HWND FindTopLevel(DWORD pid, const wchar_t* className);  // visible ones only
HWND FocusedControl(HWND window);
// Whether the window answers with an icon of its own or its class's.
bool HasIcon(HWND window);
// Returns once the window's thread has handled everything sent to it before.
bool Sync(HWND window);

// Real input.
bool BringToFront(HWND window);
void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
// Clicks the centre of the window once nothing covers it; false if
// something still does.
bool Click(HWND window);
void PressKey(WORD virtualKey, int times = 1);
void PressAltF4();
// What the caption's close button sends (Wine under a bare X server draws no
// frame to click on).
void PressCloseButton(HWND window);
void Type(const std::wstring& text);

// Picks an entry of a drop-down list as a person does: a click drops the
// list, arrow keys walk to the entry and Enter takes it. Returns what went
// wrong, or an empty string when the list ended up on the entry.
std::string Pick(HWND combo, const std::wstring& entry);

}  // namespace ui
