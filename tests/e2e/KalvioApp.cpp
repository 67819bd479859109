#include "KalvioApp.h"

#include "Ui.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

constexpr auto StartTimeout = std::chrono::seconds(30);

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

std::set<HWND> MainWindowsNow()
{
    std::set<HWND> windows;
    for (HWND window : ui::TopLevelWindows(0)) {
        if (ui::ClassName(window) == MainClass) windows.insert(window);
    }
    return windows;
}

}  // namespace

std::wstring Widen(const std::string& text)
{
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string RequiredEnv(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value) throw std::runtime_error(std::string("environment variable ") + name + " is not set");
    return value;
}

std::wstring WindowsPath(const std::string& path)
{
    std::wstring converted = Widen(path);
    if (!converted.empty() && converted[0] == L'/') converted = L"Z:" + converted;
    std::replace(converted.begin(), converted.end(), L'/', L'\\');
    return converted;
}

KalvioApp KalvioApp::Start()
{
    ui::BeDpiAware();
    KalvioApp app;
    const std::wstring exe = WindowsPath(RequiredEnv("KALVIO_EXE"));
    std::wstring commandLine = Quoted(exe);

    app.job_.Reset(CreateJobObjectW(nullptr, nullptr));
    if (!app.job_) throw std::runtime_error("CreateJobObjectW failed");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // Suspended until it is in the job, so nothing it starts escapes the count.
    const auto start = [&] {
        return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                              nullptr, nullptr, &startup, &process) != FALSE;
    };
    // Wine now and then refuses a start right after another program ended
    // (ERROR_INTERNAL_ERROR); the second try goes through.
    bool started = start();
    if (!started && GetLastError() == ERROR_INTERNAL_ERROR) {
        Sleep(500);
        started = start();
    }
    if (!started) throw std::runtime_error("cannot start Kalvio.exe (error " + std::to_string(GetLastError()) + ")");
    app.process_.Reset(process.hProcess);
    UniqueKernelHandle thread(process.hThread);
    app.pid_ = process.dwProcessId;
    if (!AssignProcessToJobObject(app.job_.Get(), process.hProcess)) app.job_.Reset();
    ResumeThread(thread.Get());
    app.AttachToNewMainWindow({});
    return app;
}

KalvioApp KalvioApp::StartOn(const std::string& localDateTime)
{
    ui::BeDpiAware();
    KalvioApp app;
    // Wine runs this Unix script natively; it starts Kalvio under a fake clock
    // in the same wineserver, so its windows are ours to see. There is no
    // process handle: the process is found through its window.
    const std::wstring script = Widen(RequiredEnv("KALVIO_START_FAKED"));
    const std::wstring exe = WindowsPath(RequiredEnv("KALVIO_EXE"));
    app.AttachToNewMainWindow(Quoted(script) + L" " + Quoted(Widen(localDateTime)) + L" " + Quoted(exe));
    return app;
}

void KalvioApp::AttachToNewMainWindow(const std::wstring& commandLine)
{
    const std::set<HWND> before = MainWindowsNow();
    if (!commandLine.empty()) {
        std::wstring line = commandLine;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
            throw std::runtime_error("cannot run the fake-clock starter (error " + std::to_string(GetLastError()) + ")");
        }
        UniqueKernelHandle process(started.hProcess), thread(started.hThread);
    }

    HWND found = nullptr;
    // Polled tightly: what the window shows must be read the moment it appears.
    const auto end = std::chrono::steady_clock::now() + StartTimeout;
    while (!found && std::chrono::steady_clock::now() < end) {
        for (HWND window : ui::TopLevelWindows(pid_)) {
            if (before.count(window) || !IsWindowVisible(window) || ui::ClassName(window) != MainClass) continue;
            found = window;
        }
        if (!found) {
            if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0) {
                throw std::runtime_error("Kalvio.exe ended before showing its window");
            }
            Sleep(1);
        }
    }
    if (!found) throw std::runtime_error("Kalvio's main window did not appear");
    main_ = found;
    firstSight_ = {ui::Text(Control(Form1Id::Label4)), ui::Text(Control(Form1Id::Text1)),
                   ui::Text(Control(Form1Id::Text2))};
    if (!process_) {
        pid_ = ui::ProcessOf(found);
        process_.Reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE,
                                   FALSE, pid_));
        if (!process_) throw std::runtime_error("cannot open Kalvio's process");
    }
}

KalvioApp::~KalvioApp()
{
    if (!process_ || WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0) return;
    // A test that stopped half-way leaves Kalvio running: close it as a user
    // would, and only force it if that does not work.
    PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.Get(), 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

JobCounts KalvioApp::Job() const
{
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    if (!job_ || !QueryInformationJobObject(job_.Get(), JobObjectBasicAccountingInformation, &info, sizeof info,
                                            nullptr)) {
        return {};
    }
    return {info.TotalProcesses, info.ActiveProcesses};
}

bool KalvioApp::WaitForExit(DWORD timeoutMs, DWORD& exitCode) const
{
    if (WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) return false;
    exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process_.Get(), &exitCode);
    return true;
}
