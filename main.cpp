// Kalvio: the program's entry. Opens the main window and runs the message loop.
#include "ui/Check.h"
#include "ui/Dpi.h"
#include "Form1.h"
#include "ui/MessageLoop.h"

#include <windows.h>
#include <commctrl.h>

#include <exception>

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
