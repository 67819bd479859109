#pragma once
// The message loop of a program made of Window objects.
#include <windows.h>

// Hands one message on: keys first to the window they belong to, then to
// the dialog manager (Tab, arrows, Escape), else to the window procedure.
void DispatchProgramMessage(MSG& msg);

// Runs until WM_QUIT and returns its exit code; throws on a handler's failure.
int RunMessageLoop();
