#pragma once
// The few things the driver asks of the Linux side when it runs under Wine.
#include <windows.h>

#include <string>
#include <vector>

// The Unix path of a Windows path; empty when not running under Wine.
std::string UnixPath(const std::wstring& windowsPath);

// Runs a script of this directory (tests/e2e) as a native process. Wine
// execs it and returns no process handle, so callers wait for its output.
bool RunScript(const std::string& name, const std::vector<std::wstring>& arguments);

// A fresh empty file in the prefix's temporary directory.
std::wstring NewTempFile(const wchar_t* prefix);

// The text of a file, empty if it cannot be read.
std::string FileText(const std::wstring& path);

// What xprop says about the icons of the X window behind a top-level
// window ("Icon (32 x 32): ..."); empty when there is no X window.
std::string XWindowIcons(HWND window);
