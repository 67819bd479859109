#pragma once
// The program's icon, as the executable, both windows and Image2 show it.
#include "res/resource.h"

#include <windows.h>

// Shared by the system for the life of the process: never destroyed.
inline HICON ProgramIcon()
{
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KALVIO));
}
