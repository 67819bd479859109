#include "WebLinks.h"

#include "ui/Text.h"

namespace WebLinks {

void Open(const LateBoundApis& apis, const std::wstring& address)
{
    // The shell's A entry point takes the address in the ANSI code page.
    const std::string ansi = ToAnsi(address);
    // The result is deliberately dropped: a missing browser or network is the
    // user's business, and the about window stays as it is whatever happens.
    // (Wine reports success even when it has no browser to start.)
    static_cast<void>(apis.OpenDocumentA(ansi.c_str()));
}

}  // namespace WebLinks
