// Start-up benchmark: how long two programs take from CreateProcessW until a
// visible top-level window of theirs exists, and until that window is
// painted and the program waits for input; and how much memory they touch.
// The first program is the baseline (an empty window), the second is Kalvio.
//
// Usage: startup_bench EMPTY_EXE KALVIO_EXE [RUNS]   (RUNS: default 30, at least 10)
//
// It prints figures measured in this one run and whether they meet the
// targets; the exit status only says whether the measurement worked.
#include "Statistics.h"
#include "ui/Handles.h"

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct CloseKernelObject {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct FreeLocalMemory {
    void operator()(HLOCAL h) const { LocalFree(h); }
};
// A process or thread handle.
using UniqueKernelObject = UniqueHandle<HANDLE, CloseKernelObject>;
// Memory that an API allocated with LocalAlloc for the caller.
template <class Pointer>
using UniqueLocal = UniqueHandle<Pointer, FreeLocalMemory>;

constexpr double StartupRatioTarget = 1.40;
constexpr double WorkingSetRatioTarget = 1.15;
constexpr unsigned long long SizeTargetBytes = 300ULL * 1024;  // KB = 1024 bytes
constexpr int MinimumRuns = 10;
// Under Wine a single start varies by tens of percent; 30 rounds keep the
// median ratio of two identical programs within a few percent of 1.
constexpr int DefaultRuns = 30;
constexpr DWORD WindowTimeoutMs = 30000;
constexpr DWORD CloseTimeoutMs = 10000;

struct Program {
    const char* label;
    std::wstring path;
};

struct Sample {
    double visibleMs = 0.0;
    double idleMs = 0.0;
    SIZE_T peakWorkingSet = 0;
    bool closedCleanly = false;  // exited on WM_CLOSE with status 0
    DWORD exitCode = 0;
};

struct Results {
    std::vector<double> visibleMs;
    std::vector<double> idleMs;
    std::vector<double> peakWorkingSetKb;
    int cleanExits = 0;
    std::vector<DWORD> otherExitCodes;
};

std::string ErrorText(const char* what, const std::wstring& path)
{
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, "%s: %ls (Windows error %lu)", what, path.c_str(),
                  static_cast<unsigned long>(GetLastError()));
    return buffer;
}

struct WindowSearch {
    DWORD processId = 0;
    HWND found = nullptr;
};

BOOL CALLBACK MatchVisibleWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindVisibleWindow(DWORD processId)
{
    WindowSearch search;
    search.processId = processId;
    EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

[[noreturn]] void Fail(HANDLE process, const Program& program, const char* what)
{
    TerminateProcess(process, 0xDEAD);
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, "%ls %s", program.path.c_str(), what);
    throw std::runtime_error(buffer);
}

// Polls every millisecond until the program shows a window.
HWND WaitForWindow(HANDLE process, DWORD processId, const Program& program, const Stopwatch& stopwatch, long long start)
{
    for (;;) {
        if (const HWND window = FindVisibleWindow(processId)) return window;
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) Fail(process, program, "exited before showing a window");
        if (stopwatch.ElapsedMs(start, Stopwatch::Now()) > WindowTimeoutMs)
            Fail(process, program, "showed no window in time");
        Sleep(1);
    }
}

// Until the program waits for input with nothing of its window left to paint.
void WaitUntilIdle(HANDLE process, HWND window, const Program& program, const Stopwatch& stopwatch, long long start)
{
    if (WaitForInputIdle(process, WindowTimeoutMs) != 0) Fail(process, program, "never waited for input");
    while (GetUpdateRect(window, nullptr, FALSE)) {
        if (stopwatch.ElapsedMs(start, Stopwatch::Now()) > WindowTimeoutMs)
            Fail(process, program, "never finished painting");
        Sleep(1);
    }
}

// Closes the program the way a user would; only a program that ignores the
// request is terminated, and that run does not count as a clean exit.
void CloseProgram(HANDLE process, HWND window, Sample& sample)
{
    PostMessageW(window, WM_CLOSE, 0, 0);
    const bool exitedByItself = WaitForSingleObject(process, CloseTimeoutMs) == WAIT_OBJECT_0;
    if (!exitedByItself) {
        TerminateProcess(process, 0xDEAD);
        WaitForSingleObject(process, CloseTimeoutMs);
    }
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(process, &exitCode)) exitCode = STILL_ACTIVE;
    sample.exitCode = exitCode;
    sample.closedCleanly = exitedByItself && exitCode == 0;
}

Sample MeasureOnce(const Program& program, const Stopwatch& stopwatch)
{
    std::wstring commandLine = L"\"" + program.path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};

    const long long start = Stopwatch::Now();
    if (!CreateProcessW(program.path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        throw std::runtime_error(ErrorText("cannot start", program.path));
    }
    const UniqueKernelObject process(info.hProcess);
    const UniqueKernelObject thread(info.hThread);

    Sample sample;
    const HWND window = WaitForWindow(process.Get(), info.dwProcessId, program, stopwatch, start);
    sample.visibleMs = stopwatch.ElapsedMs(start, Stopwatch::Now());
    WaitUntilIdle(process.Get(), window, program, stopwatch, start);
    sample.idleMs = stopwatch.ElapsedMs(start, Stopwatch::Now());

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process.Get(), &memory, sizeof memory))
        Fail(process.Get(), program, "has no memory counters");
    sample.peakWorkingSet = memory.PeakWorkingSetSize;

    CloseProgram(process.Get(), window, sample);
    return sample;
}

void Record(Results& results, const Sample& sample)
{
    results.visibleMs.push_back(sample.visibleMs);
    results.idleMs.push_back(sample.idleMs);
    results.peakWorkingSetKb.push_back(static_cast<double>(sample.peakWorkingSet) / 1024.0);
    if (sample.closedCleanly) {
        ++results.cleanExits;
    } else {
        results.otherExitCodes.push_back(sample.exitCode);
    }
}

unsigned long long FileSize(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        throw std::runtime_error(ErrorText("cannot read the size of", path));
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

const char* Verdict(bool met)
{
    return met ? "met" : "NOT met";
}

void PrintProgram(const Program& program, const Results& results, unsigned long long size, int runs)
{
    std::printf("%s: %ls\n", program.label, program.path.c_str());
    std::printf("  median start-up     %8.1f ms   (min %.1f, max %.1f)\n", Median(results.visibleMs),
                Smallest(results.visibleMs), Largest(results.visibleMs));
    std::printf("  median visible+idle %8.1f ms   (min %.1f, max %.1f)\n", Median(results.idleMs),
                Smallest(results.idleMs), Largest(results.idleMs));
    std::printf("  median peak working set %8.0f KB\n", Median(results.peakWorkingSetKb));
    std::printf("  file size           %llu bytes = %.1f KB\n", size, static_cast<double>(size) / 1024.0);
    std::printf("  clean exits on WM_CLOSE %d/%d", results.cleanExits, runs);
    for (DWORD code : results.otherExitCodes) std::printf("  [exit 0x%lX]", static_cast<unsigned long>(code));
    std::printf("\n");
}

void PrintRatio(const char* what, double ratio, double target)
{
    std::printf("%-30s %.3f   (target <= %.2f): %s\n", what, ratio, target, Verdict(ratio <= target));
}

int Run(int argc, wchar_t** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: startup_bench EMPTY_EXE KALVIO_EXE [RUNS (default %d, at least %d)]\n",
                     DefaultRuns, MinimumRuns);
        return 2;
    }
    int runs = DefaultRuns;
    if (argc == 4) {
        runs = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
        if (runs < MinimumRuns) {
            std::fprintf(stderr, "startup_bench: RUNS must be at least %d\n", MinimumRuns);
            return 2;
        }
    }

    const Program empty{"empty window", argv[1]};
    const Program kalvio{"Kalvio", argv[2]};
    const unsigned long long emptySize = FileSize(empty.path);
    const unsigned long long kalvioSize = FileSize(kalvio.path);

    const Stopwatch stopwatch;
    // Excluded from the figures: the first start pays for loading the system
    // DLLs from disk (and, under Wine, for starting its services).
    MeasureOnce(empty, stopwatch);
    MeasureOnce(kalvio, stopwatch);

    // Alternating, with the order swapped every round, so that drift in the
    // machine's load falls on both programs alike.
    Results emptyResults;
    Results kalvioResults;
    for (int round = 0; round < runs; ++round) {
        if (round % 2 == 0) {
            Record(emptyResults, MeasureOnce(empty, stopwatch));
            Record(kalvioResults, MeasureOnce(kalvio, stopwatch));
        } else {
            Record(kalvioResults, MeasureOnce(kalvio, stopwatch));
            Record(emptyResults, MeasureOnce(empty, stopwatch));
        }
    }

    std::printf("Start-up: %d runs each, alternating, after one warm-up run each\n\n", runs);
    PrintProgram(empty, emptyResults, emptySize, runs);
    PrintProgram(kalvio, kalvioResults, kalvioSize, runs);
    std::printf("\n");
    PrintRatio("start-up ratio Kalvio/empty", Median(kalvioResults.visibleMs) / Median(emptyResults.visibleMs),
               StartupRatioTarget);
    std::printf("%-30s %.3f\n", "visible+idle ratio", Median(kalvioResults.idleMs) / Median(emptyResults.idleMs));
    PrintRatio("peak working set ratio", Median(kalvioResults.peakWorkingSetKb) / Median(emptyResults.peakWorkingSetKb),
               WorkingSetRatioTarget);
    std::printf("%-30s %.1f KB (target <= %llu KB): %s\n", "Kalvio file size", static_cast<double>(kalvioSize) / 1024.0,
                SizeTargetBytes / 1024, Verdict(kalvioSize <= SizeTargetBytes));

    if (emptyResults.cleanExits != runs || kalvioResults.cleanExits != runs) {
        std::fprintf(stderr, "startup_bench: not every run closed cleanly on WM_CLOSE\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main()
{
    // Wide arguments without relying on a compiler-specific wmain entry point.
    int argc = 0;
    const UniqueLocal<wchar_t**> argv(CommandLineToArgvW(GetCommandLineW(), &argc));
    if (!argv) {
        std::fprintf(stderr, "startup_bench: cannot read the command line\n");
        return 2;
    }
    try {
        return Run(argc, argv.Get());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
}
