#pragma once
// Where Wine's browser launch ends for the about-window tests. Wine hands
// http addresses to winebrowser, which starts the programs named by
// HKCU\Software\Wine\WineBrowser\Browsers with the address as argument.
#include <memory>
#include <string>
#include <vector>

class BrowserHook {
public:
    // Browser = the suite's recorder script. Null when not running under Wine
    // (reason says why).
    static std::unique_ptr<BrowserHook> Recorder(std::string& reason);
    // No browser at all: the only one named does not exist.
    static std::unique_ptr<BrowserHook> NoBrowser(std::string& reason);

    ~BrowserHook();
    BrowserHook(const BrowserHook&) = delete;
    BrowserHook& operator=(const BrowserHook&) = delete;

    // Every address the browser was started with, oldest first.
    std::vector<std::wstring> Addresses() const;

private:
    BrowserHook() = default;
    // Names `browsers` as Wine's browser list, after clearing the log.
    static std::unique_ptr<BrowserHook> Install(const std::wstring& browsers, std::string& reason);
};
