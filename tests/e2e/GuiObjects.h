#pragma once
// How many GDI and USER objects a process holds.
#include <windows.h>

#include <string>

struct GuiObjectCounts {
    long gdi = -1;   // -1: could not be measured
    long user = -1;
    std::string how;  // which measurement was used, for the test log
};

GuiObjectCounts CountGuiObjects(HANDLE process, DWORD pid);
