#pragma once
// A DLL from the system directory, looked up by name at run time.
#include <windows.h>

class SystemLibrary {
public:
    // Loads the DLL; throws when it cannot be loaded.
    explicit SystemLibrary(const wchar_t* name);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The function, or null where this Windows lacks it.
    template <class Function>
    Function TryGet(const char* name) const
    {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

    // The function; throws where this Windows lacks it.
    template <class Function>
    Function Get(const char* name) const
    {
        const Function function = TryGet<Function>(name);
        if (!function) ThrowMissing(name);
        return function;
    }

private:
    [[noreturn]] static void ThrowMissing(const char* name);
    HMODULE module_;
};
