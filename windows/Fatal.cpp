#include "Fatal.h"

#include "ui/Text.h"

#include <windows.h>

namespace {
constexpr UINT FatalExitCode = 3;
}

void ReportFatal(const std::string& what)
{
    std::wstring message = L"Program Kalvio narazil na neočekávanou chybu a bude ukončen.\n\nTechnické podrobnosti: ";
    try {
        message += Widen(what);
    } catch (...) {
        message += L"(popis chyby nelze zobrazit)";
    }
    MessageBoxW(nullptr, message.c_str(), L"Kalvio!", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(FatalExitCode);
}
