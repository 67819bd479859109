#pragma once
// Base of every window class of the program: one window procedure per
// class that forwards to the object, and the one place where exceptions
// escaping a handler are caught and reported.
#include <windows.h>

#include <string>

class Window {
public:
    Window() = default;
    // Destroys the window, once, for every class of ours. The derived
    // objects' members (fonts, brushes, COM objects) are gone by then; no
    // message reaches them on the way, and nothing is painted in between.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

    // The object behind a window of one of our classes, or null for any
    // other window.
    static Window* FromHandle(HWND hwnd);

    // A keyboard message for this window or one of its controls, before the
    // dialog keys see it; true when it was handled and must go no further.
    virtual bool PreTranslate(const MSG&) { return false; }

    // An exception cannot pass through the system's code that calls a window
    // procedure: a handler's failure ends the message loop and is thrown on
    // here, by whoever dispatches messages, after each message.
    static void ThrowKeptFailure();

protected:
    // Registers the class once per process.
    static void RegisterClassOnce(const wchar_t* className, HICON icon, HBRUSH background);
    // Creates the window; WM_CREATE returning -1 surfaces here as an exception.
    void Create(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HWND owner);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::string createError_;  // why WM_CREATE failed, for Create to report
};
