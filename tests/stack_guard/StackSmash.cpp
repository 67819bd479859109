// Started without arguments, runs itself with "smash" and expects that copy to
// be ended by the stack protector (STATUS_STACK_BUFFER_OVERRUN); the copy
// overruns a stack buffer and returns, which it must never get to finish.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

extern "C" std::uintptr_t __stack_chk_guard;

namespace {

constexpr DWORD TimeoutMs = 30000;
constexpr int SurvivedSmash = 3;

__attribute__((noinline)) int Overrun(std::size_t length)
{
    char buffer[16];
    std::memset(buffer, 'x', length);
    volatile char last = buffer[sizeof buffer - 1];
    return last;
}

int Smash()
{
    // Read at run time, so the compiler cannot see the overrun coming.
    volatile std::size_t length = 32;
    Overrun(length);
    return SurvivedSmash;
}

DWORD RunSmashingCopy()
{
    wchar_t self[MAX_PATH];
    if (GetModuleFileNameW(nullptr, self, MAX_PATH) == 0) return 0;
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" smash";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(self, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return 0;
    CloseHandle(info.hThread);
    DWORD exitCode = 0;
    if (WaitForSingleObject(info.hProcess, TimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 0);
        exitCode = WAIT_TIMEOUT;
    } else if (!GetExitCodeProcess(info.hProcess, &exitCode)) {
        exitCode = 0;
    }
    CloseHandle(info.hProcess);
    return exitCode;
}

}  // namespace

int main()
{
    if (std::strstr(GetCommandLineA(), " smash") != nullptr) return Smash();

    int failures = 0;
    if (__stack_chk_guard == 0) {
        std::printf("FAIL: the stack guard was never seeded\n");
        ++failures;
    }
    const DWORD status = RunSmashingCopy();
    if (status != static_cast<DWORD>(STATUS_STACK_BUFFER_OVERRUN)) {
        std::printf("FAIL: the smashing copy ended with 0x%lX, not 0x%lX (stack buffer overrun)\n",
                    static_cast<unsigned long>(status), static_cast<unsigned long>(STATUS_STACK_BUFFER_OVERRUN));
        ++failures;
    }
    if (failures == 0) std::printf("stack smash ended the process with 0x%lX\n", static_cast<unsigned long>(status));
    return failures == 0 ? 0 : 1;
}
