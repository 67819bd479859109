#pragma once
// Pictures compiled into the executable, decoded by Windows Imaging Component.
#include "ui/Handles.h"
#include "ui/LateBoundApis.h"

#include <windows.h>

// Decodes the RCDATA resource `resourceId` (any format WIC reads, JPEG here)
// and scales it smoothly to width x height pixels. The result is a top-down
// 32 bpp DIB section.
UniqueBitmap LoadPictureResource(const LateBoundApis& apis, int resourceId, int width, int height);
