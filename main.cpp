// Kalvio: the program's entry. Opens the main window and runs the message loop.
#include "Dpi.h"
#include "Check.h"
#include "Form1.h"

#include <windows.h>
#include <commctrl.h>

#include <exception>

namespace {

int RunMessageLoop()
{
    MSG msg{};
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        // Tab and arrow keys move between controls as in any dialog.
        const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (Window* window = root ? Window::FromHandle(root) : nullptr) {
            // Some drop-down lists swallow every Alt key but the arrows (Wine's
            // do), so Alt+F4 is turned into the close command here.
            if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
                SendMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
                continue;
            }
            if (window->PreTranslate(msg) || IsDialogMessageW(root, &msg)) continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Check(got == 0, "GetMessageW");
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    EnablePerMonitorDpiAwareness();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        Form1 form;
        form.Show(showCommand);
        return RunMessageLoop();
    } catch (const std::exception& e) {
        ReportFatal(e.what());
    }
}
