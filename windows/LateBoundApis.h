#pragma once
// COM and the shell, loaded when the about window is first built instead of
// at start-up: the main window needs neither, and loading ole32 and shell32
// with what they pull in was a good part of the time to the first window.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

// A system DLL, loaded from the system directory only, freed on destruction.
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* name);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    template <class Function>
    Function Get(const char* name) const
    {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(Address(name)));
    }

private:
    FARPROC Address(const char* name) const;
    HMODULE module_;
};

class LateBoundApis {
public:
    // Loads ole32 and shell32 and initialises COM on the calling thread.
    LateBoundApis();
    ~LateBoundApis();
    LateBoundApis(const LateBoundApis&) = delete;
    LateBoundApis& operator=(const LateBoundApis&) = delete;

    HRESULT CreateInstance(REFCLSID classId, REFIID interfaceId, void** object) const;
    // ShellExecuteA with no owner, the default verb and SW_SHOWNORMAL.
    HINSTANCE OpenDocumentA(const char* file) const;

private:
    SystemLibrary ole32_;
    SystemLibrary shell32_;
    decltype(&::CoCreateInstance) coCreateInstance_;
    decltype(&::CoUninitialize) coUninitialize_;
    decltype(&::ShellExecuteA) shellExecuteA_;
    bool comInitialised_ = false;
};
