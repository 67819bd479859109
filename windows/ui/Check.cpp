#include "ui/Check.h"

#include <windows.h>

#include <stdexcept>

void Check(bool ok, const char* call)
{
    if (!ok) {
        throw std::runtime_error(std::string(call) + " failed (error " + std::to_string(GetLastError()) + ")");
    }
}
