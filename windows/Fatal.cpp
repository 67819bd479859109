#include "Fatal.h"

#include "Text.h"

#include <stdexcept>

namespace {
constexpr UINT FatalExitCode = 3;
}

void ReportFatal(const std::string& what)
{
    std::wstring message = L"Program Kalvio narazil na neočekávanou chybu a bude ukončen.\n\nPodrobnosti: ";
    try {
        message += Widen(what);
    } catch (...) {
        message += L"(popis chyby nelze zobrazit)";
    }
    MessageBoxW(nullptr, message.c_str(), L"Kalvio!", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(FatalExitCode);
}

void Check(bool ok, const char* call)
{
    if (!ok) {
        throw std::runtime_error(std::string(call) + " failed (error " +
                                 std::to_string(GetLastError()) + ")");
    }
}
