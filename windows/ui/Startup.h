#pragma once
// What a process does once before it makes its first window.

// Per-monitor DPI awareness where the system offers it, and the common
// controls' window classes (tool tips among them).
void PrepareForWindows();
