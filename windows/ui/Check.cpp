#include "ui/Check.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

[[noreturn]] void ThrowFailed(const char* call, const char* format, unsigned long code)
{
    char number[32];
    std::snprintf(number, sizeof number, format, code);
    throw std::runtime_error(std::string(call) + " failed (" + number + ")");
}

}  // namespace

void Check(bool ok, const char* call)
{
    if (!ok) ThrowFailed(call, "error %lu", GetLastError());
}

void CheckHr(HRESULT hr, const char* call)
{
    if (FAILED(hr)) ThrowFailed(call, "HRESULT 0x%08lX", static_cast<unsigned long>(hr));
}
