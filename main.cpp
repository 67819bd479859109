// Kalvio: the program's entry. Opens the main window and runs the message loop.
#include "Fatal.h"
#include "Form1.h"
#include "ui/MessageLoop.h"
#include "ui/Startup.h"

#include <windows.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    PrepareForWindows();
    try {
        Form1 form;
        form.Show(showCommand);
        return RunMessageLoop();
    } catch (const std::exception& e) {
        ReportFatal(e.what());
    }
}
