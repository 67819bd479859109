#pragma once
// One running Kalvio.exe: started like a user starts it (or with its clock
// set to a chosen date), found by its main window, ended when the test ends.
#include "DriverHandles.h"

#include <windows.h>

#include <string>

// Control IDs of the main window, in the order the controls are created.
namespace Form1Id {
constexpr int Label1 = 101, Label2 = 102, Label3 = 103, Label4 = 104, Label5 = 105, Label6 = 106,
              Label7 = 107, Label8 = 108;
constexpr int Combo1 = 111, Combo2 = 112, Combo3 = 113;
constexpr int Text1 = 121, Text2 = 122;
}  // namespace Form1Id

namespace Form2Id {
constexpr int Image2 = 202;
constexpr int Label1 = 211, Label2 = 212, Label3 = 213, Label4 = 214, Label5 = 215, Label6 = 216;
}  // namespace Form2Id

inline constexpr wchar_t MainClass[] = L"Kalvio.Form1";
inline constexpr wchar_t AboutClass[] = L"Kalvio.Form2";

// What the main window showed the moment it first became visible.
struct FirstSight {
    std::wstring number;
    std::wstring personality;
    std::wstring partnership;
};

struct JobCounts {
    DWORD total = 0;   // processes ever started in Kalvio's job, Kalvio included
    DWORD active = 0;  // those still running
};

class KalvioApp {
public:
    // Starts Kalvio on today's real date, inside a job that also holds
    // whatever it starts (the shell's browser launcher).
    static KalvioApp Start();
    // Starts Kalvio with its clock set to a local date and time such as
    // "2026-03-15 10:00:00" (and running on from there).
    static KalvioApp StartOn(const std::string& localDateTime);

    KalvioApp(KalvioApp&&) = default;
    KalvioApp& operator=(KalvioApp&&) = default;
    ~KalvioApp();

    HWND Main() const { return main_; }
    HWND Control(int id) const { return GetDlgItem(main_, id); }
    DWORD Pid() const { return pid_; }
    HANDLE Process() const { return process_.Get(); }
    const FirstSight& AtFirstSight() const { return firstSight_; }

    bool HasJob() const { return static_cast<bool>(job_); }
    JobCounts Job() const;

    // Waits for the process to end; false if it is still running.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode) const;

private:
    KalvioApp() = default;
    void AttachToNewMainWindow(const std::wstring& commandLine);

    UniqueKernelHandle process_;
    UniqueKernelHandle job_;
    DWORD pid_ = 0;
    HWND main_ = nullptr;
    FirstSight firstSight_;
};

// UTF-8 to UTF-16.
std::wstring Widen(const std::string& text);
// The test's view of a Windows path given as a Unix one (Wine maps / to Z:).
std::wstring WindowsPath(const std::string& path);
// An environment variable the ctest entry sets; throws if it is missing.
std::string RequiredEnv(const char* name);
