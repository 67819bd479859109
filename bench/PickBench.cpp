// Pick benchmark: how long a month pick in Kalvio's main window takes, from
// the selection through the day list's refill and the new life number to the
// window painted again. The window is built in this process from the
// program's own libraries, and the pick arrives as a user's would: the
// list's selection changes and the window hears CBN_SELCHANGE.
//
// Usage: pick_bench [PICKS]   (default 200)
#include "Form1.h"
#include "Statistics.h"
#include "res/resource.h"
#include "ui/Check.h"
#include "ui/Startup.h"
#include "ui/Window.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr double PickTargetMs = 8.0;  // half a frame at 60 Hz
constexpr int DefaultPicks = 200;
// April and May: every pick between them refills the day list (30 or 31).
constexpr int Months[] = {3, 4};

void PumpPending()
{
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        Window::ThrowKeptFailure();
    }
}

double TimePick(HWND form, HWND monthList, int index, const Stopwatch& stopwatch)
{
    const long long start = Stopwatch::Now();
    SendMessageW(monthList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(form, WM_COMMAND, MAKEWPARAM(IDC_F1_COMBO2, CBN_SELCHANGE), reinterpret_cast<LPARAM>(monthList));
    UpdateWindow(form);
    return stopwatch.ElapsedMs(start, Stopwatch::Now());
}

int CountDays(HWND form)
{
    return static_cast<int>(SendMessageW(GetDlgItem(form, IDC_F1_COMBO3), CB_GETCOUNT, 0, 0));
}

int Run(int picks)
{
    PrepareForWindows();
    Form1 form;
    form.Show(SW_SHOWNORMAL);
    PumpPending();

    const HWND window = form.Handle();
    const HWND monthList = GetDlgItem(window, IDC_F1_COMBO2);
    const Stopwatch stopwatch;
    // Not counted: the first picks make the day list's strings and caches.
    for (int month : Months) TimePick(window, monthList, month, stopwatch);
    PumpPending();
    std::vector<double> times;
    for (int pick = 0; pick < picks; ++pick) {
        const int month = Months[pick % 2];
        times.push_back(TimePick(window, monthList, month, stopwatch));
        // Proof that the pick did its work: April has 30 days, May 31.
        if (CountDays(window) != (month == 3 ? 30 : 31)) {
            std::fprintf(stderr, "pick_bench: the day list was not refilled\n");
            return 1;
        }
        PumpPending();
    }
    const double median = Median(times);
    std::printf("Month pick (refill of the day list, new number, repaint): %d picks\n", picks);
    std::printf("  median %.2f ms   (min %.2f, max %.2f)   (target <= %.0f ms): %s\n", median, Smallest(times),
                Largest(times), PickTargetMs, median <= PickTargetMs ? "met" : "NOT met");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int picks = argc > 1 ? std::atoi(argv[1]) : DefaultPicks;
    if (picks < 2) {
        std::fprintf(stderr, "usage: pick_bench [PICKS (at least 2, default %d)]\n", DefaultPicks);
        return 2;
    }
    try {
        return Run(picks);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pick_bench: %s\n", error.what());
        return 1;
    }
}
