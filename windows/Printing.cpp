#include "Result.h"
#include "ui/SystemLibrary.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <exception>

namespace {

constexpr wchar_t NoPrinter[] =
    L"V systému není nainstalovaná žádná tiskárna. Přidejte ji v nastavení Windows a zkuste tisk znovu.";
constexpr wchar_t PrintFailed[] =
    L"Výsledek se nepodařilo vytisknout. Zkontrolujte, zda je tiskárna zapnutá a připojená, a zkuste to znovu.";

void Warn(HWND owner, const wchar_t* text)
{
    MessageBoxW(owner, text, L"Kalvio!", MB_OK | MB_ICONWARNING);
}

// What the print dialog hands back, each freed once.
struct GlobalMemory {
    HGLOBAL memory;
    ~GlobalMemory()
    {
        if (memory) GlobalFree(memory);
    }
};

struct PrinterDC {
    HDC dc;
    ~PrinterDC()
    {
        if (dc) DeleteDC(dc);
    }
};

// Portrait, whatever the printer was last set to.
void MakePortrait(HDC dc, HGLOBAL devMode)
{
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode));
    if (!mode) return;
    mode->dmFields |= DM_ORIENTATION;
    mode->dmOrientation = DMORIENT_PORTRAIT;
    ResetDCW(dc, mode);
    GlobalUnlock(devMode);
}

// The whole sheet in logical units, which are the printer's vertical pixels
// in both directions, so a printer of 600 x 1200 DPI prints no stretched page.
RECT PaperIn(HDC dc, int dpi)
{
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, dpi, dpi, nullptr);
    SetViewportExtEx(dc, dpiX, dpi, nullptr);
    const auto toLogicalX = [&](int x) { return MulDiv(x, dpi, dpiX); };
    const int left = -GetDeviceCaps(dc, PHYSICALOFFSETX), top = -GetDeviceCaps(dc, PHYSICALOFFSETY);
    return {toLogicalX(left), top, toLogicalX(left + GetDeviceCaps(dc, PHYSICALWIDTH)),
            top + GetDeviceCaps(dc, PHYSICALHEIGHT)};
}

bool PrintPage(HDC dc, const Result& result)
{
    DOCINFOW document{sizeof document, L"Kalvio – životní číslo", nullptr, nullptr, 0};
    if (StartDocW(dc, &document) <= 0) return false;
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    if (StartPage(dc) > 0) {
        DrawResultPage(dc, PaperIn(dc, dpi), static_cast<UINT>(dpi), result);
        if (EndPage(dc) > 0) return EndDoc(dc) > 0;
    }
    AbortDoc(dc);
    return false;
}

// Whether the system has a printer to print on. Asked first: with none, the
// print dialog's own answer differs between Windows and Wine (whose warning
// comes with no error to act on).
bool HasDefaultPrinter()
{
    const SystemLibrary winspool(L"winspool.drv");
    const auto defaultPrinter = winspool.TryGet<decltype(&::GetDefaultPrinterW)>("GetDefaultPrinterW");
    DWORD size = 0;
    return defaultPrinter && (defaultPrinter(nullptr, &size) || GetLastError() == ERROR_INSUFFICIENT_BUFFER);
}

void PrintThroughDialog(HWND owner, const Result& result)
{
    if (!HasDefaultPrinter()) {
        Warn(owner, NoPrinter);
        return;
    }
    // The common dialogs load only when the user prints, not at every start.
    const SystemLibrary comdlg32(L"comdlg32.dll");
    const auto printDialog = comdlg32.TryGet<decltype(&::PrintDlgW)>("PrintDlgW");
    const auto dialogError = comdlg32.TryGet<decltype(&::CommDlgExtendedError)>("CommDlgExtendedError");
    if (!printDialog || !dialogError) {
        Warn(owner, PrintFailed);
        return;
    }

    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
    dialog.nCopies = 1;
    const BOOL chosen = printDialog(&dialog);
    const GlobalMemory devMode{dialog.hDevMode}, devNames{dialog.hDevNames};
    const PrinterDC printer{dialog.hDC};
    if (!chosen) {
        // Cancel leaves no error: nothing to say.
        const DWORD error = dialogError();
        if (error != 0) Warn(owner, error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES ? NoPrinter : PrintFailed);
        return;
    }
    if (!printer.dc) {
        Warn(owner, PrintFailed);
        return;
    }
    if (devMode.memory) MakePortrait(printer.dc, devMode.memory);
    if (!PrintPage(printer.dc, result)) Warn(owner, PrintFailed);
}

}  // namespace

void PrintResult(HWND owner, const Result& result)
{
    try {
        PrintThroughDialog(owner, result);
    } catch (const std::exception&) {
        // Printing is not what the program is for: it goes on all the same.
        Warn(owner, PrintFailed);
    }
}
