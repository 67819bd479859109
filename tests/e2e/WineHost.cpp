#include "WineHost.h"

#include "DriverHandles.h"
#include "KalvioApp.h"
#include "Ui.h"

#include <filesystem>
#include <fstream>
#include <sstream>

std::string UnixPath(const std::wstring& windowsPath)
{
    // Wine's own export; absent on Windows.
    using ToUnix = char*(CDECL*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    char* unix = toUnix(windowsPath.c_str());
    if (!unix) return {};
    std::string path(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

bool RunScript(const std::string& name, const std::vector<std::wstring>& arguments)
{
    std::wstring commandLine = L"\"" + WindowsPath(RequiredEnv("KALVIO_E2E_SCRIPTS") + "/" + name) + L"\"";
    for (const std::wstring& argument : arguments) commandLine += L" \"" + argument + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return false;
    }
    UniqueKernelHandle process(started.hProcess), thread(started.hThread);
    return true;
}

std::wstring NewTempFile(const wchar_t* prefix)
{
    wchar_t directory[MAX_PATH] = {};
    wchar_t file[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, directory);
    GetTempFileNameW(directory, prefix, 0, file);
    return file;
}

std::string FileText(const std::wstring& path)
{
    std::ifstream file{std::filesystem::path(path)};
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string XWindowIcons(HWND window)
{
    // Wine's X11 driver records the X window of each top-level window here.
    const auto xid = reinterpret_cast<ULONG_PTR>(GetPropW(window, L"__wine_x11_whole_window"));
    if (xid == 0) return {};
    const std::wstring out = NewTempFile(L"xic");
    const std::string unixOut = UnixPath(out);
    if (unixOut.empty() || !RunScript("x-window-icon.sh", {std::to_wstring(xid), Widen(unixOut)})) return {};
    std::string text;
    ui::WaitUntil([&] { return !(text = FileText(out)).empty(); });
    DeleteFileW(out.c_str());
    return text;
}
