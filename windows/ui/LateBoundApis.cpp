#include "ui/LateBoundApis.h"

LateBoundApis::LateBoundApis()
    : ole32_(L"ole32.dll"),
      shell32_(L"shell32.dll"),
      coCreateInstance_(ole32_.TryGet<decltype(&::CoCreateInstance)>("CoCreateInstance")),
      coUninitialize_(ole32_.TryGet<decltype(&::CoUninitialize)>("CoUninitialize")),
      shellExecuteA_(shell32_.TryGet<decltype(&::ShellExecuteA)>("ShellExecuteA"))
{
    const auto initialise = ole32_.TryGet<decltype(&::CoInitializeEx)>("CoInitializeEx");
    // The picture decoder and the shell both want an apartment thread.
    comInitialised_ = initialise && coUninitialize_ &&
                      SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

LateBoundApis::~LateBoundApis()
{
    if (comInitialised_) coUninitialize_();
}

HRESULT LateBoundApis::CreateInstance(REFCLSID classId, REFIID interfaceId, void** object) const
{
    if (!coCreateInstance_) return CO_E_DLLNOTFOUND;
    return coCreateInstance_(classId, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object);
}

HINSTANCE LateBoundApis::OpenDocumentA(const char* file) const
{
    if (!shellExecuteA_) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return shellExecuteA_(nullptr, nullptr, file, nullptr, nullptr, SW_SHOWNORMAL);
}
