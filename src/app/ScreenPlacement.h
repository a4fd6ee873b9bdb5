#pragma once

#include "core/ConversionSettings.h"

#include <vector>

namespace tolk {

/// Where a window with these outer bounds opens, given the screens' available areas (each as
/// left, top, right, bottom, right and bottom exclusive). The window's screen is the one it
/// lies on most or, off every screen, the nearest one. Where the bounds are wider or higher
/// than that screen's area they take the area's width or height (and place). A window that
/// still shows on no screen is moved onto its screen, as far as it fits, top left (the title
/// bar) first. Without screens, the bounds stand.
WindowBounds PlaceOnScreens(const WindowBounds& outer, const std::vector<WindowBounds>& areas);

} // namespace tolk
