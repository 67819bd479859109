#pragma once
// Owners for the kernel and registry handles the driver opens, on the
// program's own handle owner.
#include "Handles.h"  // windows/: UniqueHandle<Handle, Free>

struct CloseKernelHandle {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct CloseRegistryKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};

using UniqueKernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;
using UniqueKey = UniqueHandle<HKEY, CloseRegistryKey>;
