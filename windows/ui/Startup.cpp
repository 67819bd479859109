#include "ui/Startup.h"

#include "ui/Dpi.h"

#include <windows.h>
#include <commctrl.h>

void PrepareForWindows()
{
    EnablePerMonitorDpiAwareness();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}
