#pragma once

#include "core/ConversionSettings.h"

#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

class QWidget;

namespace tolk {

/// A rectangle as left, top, right, bottom, right and bottom exclusive.
inline WindowBounds BoundsOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

/// Places a top-level window by its outer rectangle, frame included, as the design and the
/// saved bounds give it. Qt places a window by its frame but sizes it by its client area, and
/// the window system tells the frame only once it has framed the window (after showing it;
/// never without a window manager). Until then the frame counts as nothing and the bounds are
/// kept, to be met once a frame turns up: the window calls MeetPending when it is shown and from
/// its move and resize events.
///
/// Under Wayland the compositor alone places windows and never tells a client where its window
/// lies (Qt reports 0,0): there the outer rectangle keeps the place it was given, so that the
/// saved place still serves a later start under X11.
class OuterPlacement {
public:
    explicit OuterPlacement(QWidget& window) : m_window(window) {}

    /// Moves and sizes the window to these outer bounds (nonsense sizes are held to what Qt
    /// accepts).
    void Place(const WindowBounds& bounds);

    /// Places the window by saved bounds fitted to the screens' available areas
    /// (PlaceOnScreens). Under Wayland Qt knows a screen's whole area but not what the
    /// compositor's panels take of it, and the compositor puts a window too large for the rest
    /// under them: a window cut to a screen's size is maximized instead, so that the compositor
    /// fits it to the room its panels leave.
    void PlaceWithin(const WindowBounds& bounds, const std::vector<WindowBounds>& areas);

    /// Places the window anew by the kept bounds once the frame is known; true when that
    /// changed its size.
    bool MeetPending();

    /// The window's outer rectangle as left, top, right, bottom.
    WindowBounds Outer() const;

    /// How much the frame adds to the client area's size; nothing before the window is framed.
    QSize FrameExtent() const;

private:
    QWidget& m_window;
    std::optional<WindowBounds> m_pending;
    WindowBounds m_placed;
};

} // namespace tolk
