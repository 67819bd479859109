#include "BrowserHook.h"

#include "DriverHandles.h"
#include "KalvioApp.h"
#include "WineHost.h"

#include <windows.h>

#include <sstream>

namespace {

constexpr wchar_t BrowserKey[] = L"Software\\Wine\\WineBrowser";
// Where record-url.sh writes, inside the throw-away prefix.
constexpr wchar_t LogPath[] = L"C:\\kalvio-e2e-urls.log";

bool SetBrowsers(const std::wstring& browsers)
{
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, BrowserKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    UniqueKey key(raw);
    const auto bytes = static_cast<DWORD>((browsers.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.Get(), L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(browsers.c_str()),
                          bytes) == ERROR_SUCCESS;
}

}  // namespace

namespace {
bool IsWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}
}  // namespace

std::unique_ptr<BrowserHook> BrowserHook::Install(const std::wstring& browsers, std::string& reason)
{
    if (!IsWine()) {
        reason = "not running under Wine: no winebrowser to redirect";
        return nullptr;
    }
    std::unique_ptr<BrowserHook> hook(new BrowserHook);
    DeleteFileW(LogPath);
    if (!SetBrowsers(browsers)) {
        reason = "cannot write the WineBrowser key";
        return nullptr;
    }
    return hook;
}

std::unique_ptr<BrowserHook> BrowserHook::Recorder(std::string& reason)
{
    // winebrowser splits each entry into arguments, so the script needs no execute bit.
    const std::string recorder = RequiredEnv("KALVIO_E2E_SCRIPTS") + "/record-url.sh";
    return Install(L"/bin/sh \"" + Widen(recorder) + L"\"", reason);
}

std::unique_ptr<BrowserHook> BrowserHook::NoBrowser(std::string& reason)
{
    return Install(L"/nonexistent/kalvio-e2e/no-browser", reason);
}

BrowserHook::~BrowserHook()
{
    DeleteFileW(LogPath);
}

std::vector<std::wstring> BrowserHook::Addresses() const
{
    std::vector<std::wstring> addresses;
    std::istringstream log(FileText(LogPath));
    std::string line;
    while (std::getline(log, line)) addresses.push_back(Widen(line));
    return addresses;
}
