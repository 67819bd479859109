// The stack protector's guard and its failure handler, for MinGW builds.
//
// GCC's libssp seeds the guard through the Windows crypto provider
// (CryptAcquireContext), which loads rsaenh, crypt32 and bcrypt into every
// process before its entry point runs: milliseconds and megabytes for one
// random word. Defining both symbols here keeps libssp out of the link; the
// guard comes from RtlGenRandom instead. MSVC's /GS has its own cookie.
#if defined(__MINGW32__)

#include <windows.h>
#include <ntsecapi.h>

#include <cstdint>

extern "C" {

std::uintptr_t __stack_chk_guard;

// Seeding must not be checked by the guard it changes, nor may failing be.
__attribute__((no_stack_protector, noreturn)) void __stack_chk_fail()
{
    // Like MSVC's /GS: end at once, with the status that names the fault,
    // running no handler of the damaged process.
    __asm__ volatile("int $0x29" : : "c"(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE));
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    __builtin_unreachable();
}

}  // extern "C"

namespace {

// Priority 101 runs before every other constructor; the C runtime code that
// runs earlier is not built with the stack protector.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard()
{
    if (!RtlGenRandom(&__stack_chk_guard, sizeof __stack_chk_guard)) {
        // Never seen to fail; if it does, a guard that changes per process
        // and per start still beats a constant one.
        LARGE_INTEGER counter{};
        QueryPerformanceCounter(&counter);
        __stack_chk_guard = static_cast<std::uintptr_t>(counter.QuadPart) ^
                            (static_cast<std::uintptr_t>(GetCurrentProcessId()) << 32) ^
                            reinterpret_cast<std::uintptr_t>(&counter);
    }
    // A zero byte first stops string copies from reading or writing past it.
    __stack_chk_guard &= ~static_cast<std::uintptr_t>(0xFF);
}

}  // namespace

#endif
