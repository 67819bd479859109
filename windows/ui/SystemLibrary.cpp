#include "ui/SystemLibrary.h"

#include "ui/Check.h"

#include <stdexcept>
#include <string>

SystemLibrary::SystemLibrary(const wchar_t* name) : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
{
    Check(module_ != nullptr, "LoadLibraryExW");
}

SystemLibrary::~SystemLibrary()
{
    FreeLibrary(module_);
}

void SystemLibrary::ThrowMissing(const char* name)
{
    throw std::runtime_error(std::string("GetProcAddress ") + name + " failed");
}
