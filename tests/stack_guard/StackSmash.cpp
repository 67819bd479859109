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

__attribute__((noinline)) int Overrun(std::size_t length)
{
    char buffer[16];
    std::memset(buffer, 'x', length);
    volatile char last = buffer[sizeof buffer - 1];
    return last;
}

// The exit status of this program run with "smash".
DWORD StatusOfSmashingCopy()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" smash";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    DWORD status = 0;
    if (CreateProcessW(self, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info) &&
        WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &status);
    return status;
}

}  // namespace

int main()
{
    if (std::strstr(GetCommandLineA(), " smash")) {
        volatile std::size_t length = 32;  // read at run time: the compiler cannot see the overrun coming
        Overrun(length);
        return 3;
    }
    const DWORD status = StatusOfSmashingCopy();
    std::printf("guard %s; the smashing copy ended with 0x%lX\n", __stack_chk_guard ? "seeded" : "NEVER SEEDED",
                static_cast<unsigned long>(status));
    return __stack_chk_guard != 0 && status == static_cast<DWORD>(STATUS_STACK_BUFFER_OVERRUN) ? 0 : 1;
}
