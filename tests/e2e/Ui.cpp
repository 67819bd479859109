#include "Ui.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <stdexcept>
#include <thread>

namespace ui {

namespace {

// A hung program must fail the test, not hang it.
constexpr UINT SendTimeoutMs = 5000;

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, bool* ok = nullptr)
{
    DWORD_PTR result = 0;
    const bool sent = SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                          SendTimeoutMs, &result) != 0;
    if (ok) *ok = sent;
    return sent ? static_cast<LRESULT>(result) : -1;
}

void SendAll(std::vector<INPUT>& inputs)
{
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) throw std::runtime_error("SendInput was refused");
}

INPUT KeyInput(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(5ms);
    }
}

void BeDpiAware()
{
    // Newer than the toolchain's headers may declare; loaded by name.
    using SetContext = BOOL(WINAPI*)(HANDLE);
    const auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    // Per-monitor v2 is context -4; failing because it is already set is fine.
    if (!setContext || !setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) SetProcessDPIAware();
}

UINT SystemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

std::wstring Text(HWND window)
{
    bool ok = false;
    const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0, &ok);
    if (!ok || length < 0) return L"<no answer>";
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &ok);
    if (!ok || copied < 0) return L"<no answer>";
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring ClassName(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<std::wstring> Items(HWND combo)
{
    std::vector<std::wstring> items;
    const LRESULT count = Send(combo, CB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
        if (length < 0) break;
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied = Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
        items.push_back(item);
    }
    return items;
}

int SelectedIndex(HWND combo)
{
    return static_cast<int>(Send(combo, CB_GETCURSEL));
}

std::wstring SelectedText(HWND combo)
{
    const int index = SelectedIndex(combo);
    if (index < 0) return L"";
    const LRESULT length = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return L"<no answer>";
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return item;
}

bool IsDropped(HWND combo)
{
    return Send(combo, CB_GETDROPPEDSTATE) == TRUE;
}

SIZE ClientSize(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

RECT RectInParent(HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT CentreOnScreen(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

namespace {
struct WindowSearch {
    DWORD pid;  // 0: every process
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    if (search.pid != 0 && ProcessOf(window) != search.pid) return TRUE;
    if (search.visibleOnly && !IsWindowVisible(window)) return TRUE;
    search.found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopLevelWindows(DWORD pid)
{
    WindowSearch search{pid, false, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> VisibleTopLevelWindows()
{
    WindowSearch search{0, true, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD pid, const wchar_t* className)
{
    for (HWND window : TopLevelWindows(pid)) {
        if (IsWindowVisible(window) && ClassName(window) == className) return window;
    }
    return nullptr;
}

HWND FocusedControl(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

bool HasIcon(HWND window)
{
    // ICON_SMALL2 also answers with the icon derived from the class icon,
    // which Wine does not hand out through GetClassLongPtr across processes.
    for (WPARAM which : {ICON_BIG, ICON_SMALL, ICON_SMALL2}) {
        bool answered = false;
        if (Send(window, WM_GETICON, which, 0, &answered) != 0 && answered) return true;
    }
    return GetClassLongPtrW(window, GCLP_HICON) != 0 || GetClassLongPtrW(window, GCLP_HICONSM) != 0;
}

bool Sync(HWND window)
{
    bool ok = false;
    Send(window, WM_NULL, 0, 0, &ok);
    return ok;
}

bool BringToFront(HWND window)
{
    // Done once the window's own thread has taken the activation, not just
    // when the system says it is in front. Asked again now and then: a
    // window that is still being shown may take the foreground back.
    auto asked = std::chrono::steady_clock::time_point{};
    return WaitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        if (GetForegroundWindow() == window && info.hwndActive == window) return true;
        if (std::chrono::steady_clock::now() - asked > 500ms) {
            SetForegroundWindow(window);
            asked = std::chrono::steady_clock::now();
        }
        return false;
    });
}

// A mouse event at an absolute screen position (0..65535 over the virtual
// screen, rounded to the centre of the pixel).
INPUT MouseAt(POINT screen, DWORD flags)
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT input = MouseInput(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK);
    input.mi.dx = static_cast<LONG>(((screen.x - left) * 65536LL + 32768) / width);
    input.mi.dy = static_cast<LONG>(((screen.y - top) * 65536LL + 32768) / height);
    return input;
}

void MoveMouseTo(POINT screen)
{
    std::vector<INPUT> inputs{MouseAt(screen, 0)};
    SendAll(inputs);
    WaitUntil([&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
    }, 1s);
}

void ClickAt(POINT screen)
{
    // A second click on the same spot within the double-click time is a
    // double-click; a person clicking twice there waits longer.
    static POINT lastPoint{-1, -1};
    static auto lastTime = std::chrono::steady_clock::time_point{};
    const auto doubleClickTime = std::chrono::milliseconds(GetDoubleClickTime() + 50);
    const bool sameSpot = std::abs(screen.x - lastPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                          std::abs(screen.y - lastPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    const auto since = std::chrono::steady_clock::now() - lastTime;
    if (sameSpot && since < doubleClickTime) std::this_thread::sleep_for(doubleClickTime - since);

    MoveMouseTo(screen);
    // The buttons carry the position too: under Wine, the program under test
    // may still be catching up with pointer moves of its own (a list that
    // just closed), which must not move the click somewhere else.
    std::vector<INPUT> inputs{MouseAt(screen, MOUSEEVENTF_LEFTDOWN), MouseAt(screen, MOUSEEVENTF_LEFTUP)};
    SendAll(inputs);
    lastPoint = screen;
    lastTime = std::chrono::steady_clock::now();
}

bool Click(HWND window)
{
    // Only once nothing covers it there, as a person would wait for it.
    const POINT centre = CentreOnScreen(window);
    if (!WaitUntil([&] { return WindowFromPoint(centre) == window; })) return false;
    ClickAt(centre);
    return true;
}

void PressKey(WORD virtualKey, int times)
{
    std::vector<INPUT> inputs;
    for (int i = 0; i < times; ++i) {
        inputs.push_back(KeyInput(virtualKey, false));
        inputs.push_back(KeyInput(virtualKey, true));
    }
    if (!inputs.empty()) SendAll(inputs);
}

void PressAltF4()
{
    std::vector<INPUT> inputs{KeyInput(VK_MENU, false), KeyInput(VK_F4, false), KeyInput(VK_F4, true),
                              KeyInput(VK_MENU, true)};
    SendAll(inputs);
}

void PressCloseButton(HWND window)
{
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void Type(const std::wstring& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    if (!inputs.empty()) SendAll(inputs);
}

namespace {
// Where the mouse and the focus were, for a failed pick's message.
std::string Situation(HWND combo)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT rect{};
    GetWindowRect(combo, &rect);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(combo, nullptr), &info);
    const auto describe = [](HWND window) {
        if (!window) return std::string("none");
        std::string name;
        for (wchar_t c : ClassName(window)) name += c < 128 ? static_cast<char>(c) : '?';
        return name + "#" + std::to_string(GetDlgCtrlID(window));
    };
    return "cursor " + std::to_string(cursor.x) + "," + std::to_string(cursor.y) + " on " +
           describe(WindowFromPoint(cursor)) + ", list at " + std::to_string(rect.left) + "," +
           std::to_string(rect.top) + "-" + std::to_string(rect.right) + "," + std::to_string(rect.bottom) +
           ", foreground " + describe(GetForegroundWindow()) + ", focus " + describe(info.hwndFocus) +
           ", capture " + describe(info.hwndCapture) + ", active " + describe(info.hwndActive);
}
}  // namespace

std::string Pick(HWND combo, const std::wstring& entry)
{
    const std::vector<std::wstring> items = Items(combo);
    const auto found = std::find(items.begin(), items.end(), entry);
    if (found == items.end()) return "the list has no such entry";
    const int target = static_cast<int>(found - items.begin());

    if (!BringToFront(GetAncestor(combo, GA_ROOT))) return "the window did not come to the front";
    if (!Click(combo)) return "the list is covered (" + Situation(combo) + ")";
    if (!WaitUntil([&] { return IsDropped(combo); })) return "a click did not drop the list (" + Situation(combo) + ")";
    const int from = SelectedIndex(combo);
    if (from < 0) {
        PressKey(VK_HOME);
        PressKey(VK_DOWN, target);
    } else {
        PressKey(target > from ? VK_DOWN : VK_UP, std::abs(target - from));
    }
    PressKey(VK_RETURN);
    if (!WaitUntil([&] { return !IsDropped(combo); })) return "Enter did not close the list";
    if (!WaitUntil([&] { return SelectedIndex(combo) == target; })) {
        return "the list stopped at entry " + std::to_string(SelectedIndex(combo)) + " instead of " +
               std::to_string(target);
    }
    return {};
}

}  // namespace ui
