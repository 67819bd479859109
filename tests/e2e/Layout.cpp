#include "Layout.h"

#include "Ui.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

int Px(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

int Tolerance(UINT dpi)
{
    return dpi == 96 ? 0 : 1;
}

void ExpectScreenDpiAsConfigured()
{
    const char* wanted = std::getenv("KALVIO_E2E_DPI");
    if (wanted && *wanted) {
        EXPECT_EQ(ui::SystemDpi(), static_cast<UINT>(std::atoi(wanted)));
    }
}

void ExpectTopLeft(const RECT& actual, const TwipsRect& designed, UINT dpi)
{
    EXPECT_NEAR(actual.left, Px(designed.left, dpi), Tolerance(dpi));
    EXPECT_NEAR(actual.top, Px(designed.top, dpi), Tolerance(dpi));
}

void ExpectClientArea(HWND window, int widthTwips, int heightTwips, UINT dpi)
{
    const SIZE client = ui::ClientSize(window);
    const int slack = dpi == 96 || dpi == 144 ? 0 : 1;
    EXPECT_NEAR(client.cx, Px(widthTwips, dpi), slack);
    EXPECT_NEAR(client.cy, Px(heightTwips, dpi), slack);
}

void ExpectRect(const RECT& actual, const TwipsRect& designed, UINT dpi)
{
    ExpectTopLeft(actual, designed, dpi);
    EXPECT_NEAR(actual.right - actual.left, Px(designed.width, dpi), Tolerance(dpi));
    EXPECT_NEAR(actual.bottom - actual.top, Px(designed.height, dpi), Tolerance(dpi));
}
