// Started without arguments, runs a copy of itself that overruns a stack buffer, and expects the stack protector, its
// guard seeded, to end that copy at once with STATUS_STACK_BUFFER_OVERRUN before the overrun returns.
#include <windows.h>

#include <process.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

extern "C" std::uintptr_t __stack_chk_guard;

__attribute__((noinline)) static int Overrun(std::size_t length)
{
    char buffer[16];
    std::memset(buffer, 'x', length);
    volatile char last = buffer[sizeof buffer - 1];
    return last;
}

int main(int argc, char**)
{
    volatile std::size_t length = 32;      // read at run time: the compiler cannot see the overrun coming
    if (argc > 1) return Overrun(length);  // the copy: never to get back here
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const auto status = static_cast<DWORD>(_spawnl(_P_WAIT, self, self, "smash", nullptr));
    std::printf("guard %s; the smashing copy ended with 0x%lX\n", __stack_chk_guard ? "seeded" : "NEVER SEEDED",
                static_cast<unsigned long>(status));
    return __stack_chk_guard != 0 && status == static_cast<DWORD>(STATUS_STACK_BUFFER_OVERRUN) ? 0 : 1;
}
