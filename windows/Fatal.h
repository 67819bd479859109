#pragma once
// The one path for errors the program cannot go on after.
#include <windows.h>

#include <string>

// Shows the failure in a message box and ends the process with a non-zero status.
[[noreturn]] void ReportFatal(const std::string& what);

// Turns a failed Win32 call into an exception that names it.
void Check(bool ok, const char* call);
