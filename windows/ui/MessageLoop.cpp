#include "ui/MessageLoop.h"

#include "ui/Check.h"
#include "ui/Window.h"

void DispatchProgramMessage(MSG& msg)
{
    const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (Window* window = root ? Window::FromHandle(root) : nullptr) {
        // Some drop-down lists swallow every Alt key but the arrows (Wine's
        // do), so Alt+F4 is turned into the close command here.
        if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
            SendMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
            return;
        }
        if (window->PreTranslate(msg) || IsDialogMessageW(root, &msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop()
{
    MSG msg{};
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) DispatchProgramMessage(msg);
    Window::ThrowKeptFailure();
    Check(got == 0, "GetMessageW");
    return static_cast<int>(msg.wParam);
}
