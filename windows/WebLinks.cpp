#include "WebLinks.h"

#include "ui/Text.h"

namespace WebLinks {

namespace {

// ShellExecute's results up to 32 are failures: 31 where no program opens
// http addresses, 2 where the one registered is gone.
constexpr INT_PTR LastFailure = 32;

std::wstring FailureMessage(const std::wstring& address)
{
    return L"Stránku " + address +
           L" se nepodařilo otevřít, protože v\u00A0systému není nastavený webový prohlížeč.\n\n"
           L"Adresu můžete do prohlížeče zadat ručně.";
}

}  // namespace

void Open(const LateBoundApis& apis, HWND owner, const std::wstring& address)
{
    // The shell's A entry point takes the address in the ANSI code page.
    const std::string ansi = ToAnsi(address);
    if (reinterpret_cast<INT_PTR>(apis.OpenDocumentA(ansi.c_str())) > LastFailure) return;
    MessageBoxW(owner, FailureMessage(address).c_str(), L"Kalvio!", MB_OK | MB_ICONWARNING);
}

}  // namespace WebLinks
