#include "ui/LateBoundApis.h"

LateBoundApis::LateBoundApis()
    : ole32_(L"ole32.dll"),
      shell32_(L"shell32.dll"),
      coCreateInstance_(ole32_.Get<decltype(&::CoCreateInstance)>("CoCreateInstance")),
      coUninitialize_(ole32_.Get<decltype(&::CoUninitialize)>("CoUninitialize")),
      shellExecuteA_(shell32_.Get<decltype(&::ShellExecuteA)>("ShellExecuteA"))
{
    const auto initialise = ole32_.Get<decltype(&::CoInitializeEx)>("CoInitializeEx");
    // The picture decoder and the shell both want an apartment thread.
    comInitialised_ = SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

LateBoundApis::~LateBoundApis()
{
    if (comInitialised_) coUninitialize_();
}

HRESULT LateBoundApis::CreateInstance(REFCLSID classId, REFIID interfaceId, void** object) const
{
    return coCreateInstance_(classId, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object);
}

HINSTANCE LateBoundApis::OpenDocumentA(const char* file) const
{
    return shellExecuteA_(nullptr, nullptr, file, nullptr, nullptr, SW_SHOWNORMAL);
}
