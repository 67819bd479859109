#pragma once
// Failed Win32 and COM calls, turned into exceptions that name the call and
// its error code.
#include <windows.h>

// A call that reports its failure through GetLastError.
void Check(bool ok, const char* call);

// A call that returns an HRESULT.
void CheckHr(HRESULT hr, const char* call);
