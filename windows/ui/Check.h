#pragma once
// Failures of Win32 calls, and the one path for errors the program cannot go on after.
#include <string>

// Turns a failed Win32 call into an exception that names it.
void Check(bool ok, const char* call);

// Reports the failure to the user and ends the process with a non-zero
// status. The program defines it: its wording is the program's own.
[[noreturn]] void ReportFatal(const std::string& what);
