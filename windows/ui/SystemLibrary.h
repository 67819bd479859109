#pragma once
// A DLL from the system directory, looked up by name at run time.
#include <windows.h>

class SystemLibrary {
public:
    // Loads the DLL where it can be loaded; where it cannot, every lookup
    // finds nothing.
    explicit SystemLibrary(const wchar_t* name);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The function, or null where this Windows lacks it or the DLL.
    template <class Function>
    Function TryGet(const char* name) const
    {
        // GetProcAddress on a null module would search the program itself.
        if (!module_) return nullptr;
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};
