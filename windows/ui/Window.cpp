#include "ui/Window.h"

#include "ui/Check.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

// The failure of a handler on this thread, until the dispatcher throws it on.
std::exception_ptr& KeptFailure()
{
    thread_local std::exception_ptr failure;
    return failure;
}

}  // namespace

Window::~Window()
{
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

Window* Window::FromHandle(HWND hwnd)
{
    // Our classes all share one window procedure, which keeps the object in
    // the user data.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) != Procedure) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Window::RegisterClassOnce(const wchar_t* className, HICON icon, HBRUSH background)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &wc)) return;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    Check(RegisterClassExW(&wc) != 0, "RegisterClassExW");
}

void Window::Create(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle, int x, int y,
                    int width, int height, HWND owner)
{
    const HWND hwnd = CreateWindowExW(exStyle, className, caption, style, x, y, width, height, owner, nullptr,
                                      GetModuleHandleW(nullptr), this);
    // A WM_CREATE that failed said why; else the system's error code does.
    if (!hwnd && !createError_.empty()) throw std::runtime_error(createError_);
    Check(hwnd != nullptr, "CreateWindowExW");
}

void Window::ThrowKeptFailure()
{
    if (std::exception_ptr failure = std::exchange(KeptFailure(), nullptr)) std::rethrow_exception(failure);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);

    try {
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    } catch (const std::exception& e) {
        // A window that cannot be built fails its Create instead.
        if (message == WM_CREATE) {
            self->createError_ = e.what();
            return -1;
        }
        KeptFailure() = std::current_exception();
    } catch (...) {
        KeptFailure() = std::current_exception();
    }
    PostQuitMessage(1);
    return 0;
}
