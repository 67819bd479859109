#include "ui/LiveRegion.h"

#include <utility>

namespace {

// Not in every SDK's headers.
constexpr DWORD EventLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
constexpr long LiveSettingPolite = 1;
// LiveSetting_Property_GUID, CLSID_AccPropServices and IID_IAccPropServices.
constexpr GUID LiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr GUID AccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID AccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

}  // namespace

LiveRegion::LiveRegion(const LateBoundApis& apis, HWND control) : control_(control)
{
    ComPtr<IAccPropServices> services;
    if (FAILED(apis.CreateInstance(AccPropServicesClass, AccPropServicesInterface,
                                   reinterpret_cast<void**>(services.Out())))) {
        return;
    }
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = LiveSettingPolite;
    // Older Windows and Wine lack the property (Wine answers E_NOTIMPL).
    if (FAILED(services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, LiveSettingProperty,
                                     polite))) {
        return;
    }
    services_ = std::move(services);
}

LiveRegion::~LiveRegion()
{
    if (!services_) return;
    // An annotation outlives its window unless cleared.
    MSAAPROPID property = LiveSettingProperty;
    services_->ClearHwndProps(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &property, 1);
}

void AnnounceLiveRegionChange(HWND control)
{
    NotifyWinEvent(EventLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
}
