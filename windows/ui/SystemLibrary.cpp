#include "ui/SystemLibrary.h"

SystemLibrary::SystemLibrary(const wchar_t* name) : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
{
}

SystemLibrary::~SystemLibrary()
{
    if (module_) FreeLibrary(module_);
}
