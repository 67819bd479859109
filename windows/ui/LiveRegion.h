#pragma once
// Controls whose changes screen readers read out without the focus moving
// there, as a web page's aria-live="polite" region.
#include "ui/ComPtr.h"
#include "ui/LateBoundApis.h"

#include <oleacc.h>

// Marks a control as a polite live region for as long as this lives (UI
// Automation's LiveSetting, Windows 10 1709 and later). Where the system has
// no such property the control stays as it was: the text is still there for
// a screen reader to find, only not announced.
class LiveRegion {
public:
    LiveRegion(const LateBoundApis& apis, HWND control);
    ~LiveRegion();
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;

private:
    HWND control_;
    ComPtr<IAccPropServices> services_;  // held while the property is set
};

// Tells screen readers that a live region's text has changed.
void AnnounceLiveRegionChange(HWND control);
