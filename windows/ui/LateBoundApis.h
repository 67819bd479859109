#pragma once
// COM and the shell, loaded on first use instead of at start-up: a window
// that needs neither starts quicker without ole32, shell32 and what they
// pull in. Where either cannot be loaded, its calls fail as the real ones do
// and the caller goes on without what it wanted.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "ui/SystemLibrary.h"

class LateBoundApis {
public:
    // Loads ole32 and shell32 and initialises COM on the calling thread;
    // never fails.
    LateBoundApis();
    ~LateBoundApis();
    LateBoundApis(const LateBoundApis&) = delete;
    LateBoundApis& operator=(const LateBoundApis&) = delete;

    // CO_E_DLLNOTFOUND without COM.
    HRESULT CreateInstance(REFCLSID classId, REFIID interfaceId, void** object) const;
    // ShellExecuteA with no owner, the default verb and SW_SHOWNORMAL;
    // SE_ERR_DLLNOTFOUND without the shell.
    HINSTANCE OpenDocumentA(const char* file) const;

private:
    SystemLibrary ole32_;
    SystemLibrary shell32_;
    decltype(&::CoCreateInstance) coCreateInstance_;
    decltype(&::CoUninitialize) coUninitialize_;
    decltype(&::ShellExecuteA) shellExecuteA_;
    bool comInitialised_ = false;
};
