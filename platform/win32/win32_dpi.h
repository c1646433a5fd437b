// The display's density as Windows tells it to a program that scales its own windows on each
// monitor. The calls for it came with Windows 10 (1607); older systems, and Wine, may lack some:
// those fall back to the density the system was started with.
#pragma once

#include <windows.h>

namespace Win32Dpi {

/** The dots per inch of 100 %: the density the windows were designed at. */
inline constexpr int kDesign = 96;

/** The density of the primary display when the user signed in: 96 at 100 %, 144 at 150 %. */
int system();
/** The density of the display window is on, as the system sees it. */
int ofWindow(HWND window);
/** AdjustWindowRectEx at dpi: the title bar and borders grow with the display. */
void adjustFrame(RECT& frame, DWORD style, bool hasMenu, DWORD exStyle, int dpi);
/** GetSystemMetrics at dpi (icon sizes...). */
int systemMetric(int index, int dpi);

}  // namespace Win32Dpi
