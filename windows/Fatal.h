#pragma once
// The program's report of a failure it cannot go on after.
#include <string>

// Tells the user in Czech, with the technical reason, and ends the process
// with a non-zero status.
[[noreturn]] void ReportFatal(const std::string& what);
