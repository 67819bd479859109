// Kalvio: the program's entry. Opens the main window and runs the message loop.
#include "Dpi.h"
#include "Fatal.h"
#include "Form1.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <exception>

namespace {

// COM for the picture decoder and the shell, for the life of the program.
class ComScope {
public:
    ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComScope() { if (ok_) CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool ok_;
};

int RunMessageLoop()
{
    MSG msg{};
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        // Tab and arrow keys move between controls as in any dialog.
        const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && Window::IsProgramWindow(root) && IsDialogMessageW(root, &msg)) continue;
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
    ComScope com;
    try {
        Form1 form;
        form.Show(showCommand);
        return RunMessageLoop();
    } catch (const std::exception& e) {
        ReportFatal(e.what());
    }
}
