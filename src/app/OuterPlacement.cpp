#include "app/OuterPlacement.h"

#include "app/ScreenPlacement.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace tolk {
namespace {

/// A side of an outer rectangle less the frame, as a size Qt accepts even for nonsense bounds.
int ClientExtent(std::int32_t from, std::int32_t to, int frame) {
    const std::int64_t extent = std::int64_t{to} - from - frame;
    return static_cast<int>(std::clamp<std::int64_t>(extent, 0, QWIDGETSIZE_MAX));
}

// Whether the window system tells a client where its windows lie.
bool PlacesAreKnown() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void OuterPlacement::Place(const WindowBounds& bounds) {
    m_placed = bounds;
    const QSize frame = FrameExtent();
    m_pending = frame.isNull() ? std::optional(bounds) : std::nullopt;
    m_window.move(bounds.Left, bounds.Top);
    m_window.resize(ClientExtent(bounds.Left, bounds.Right, frame.width()),
                    ClientExtent(bounds.Top, bounds.Bottom, frame.height()));
}

void OuterPlacement::PlaceWithin(const WindowBounds& bounds,
                                 const std::vector<WindowBounds>& areas) {
    const WindowBounds fitted = PlaceOnScreens(bounds, areas);
    Place(fitted);
    const auto size = [](const WindowBounds& b) {
        return std::pair(std::int64_t{b.Right} - b.Left, std::int64_t{b.Bottom} - b.Top);
    };
    if (!PlacesAreKnown() && size(fitted) != size(bounds)) {
        m_pending.reset();
        m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
    }
}

bool OuterPlacement::MeetPending() {
    if (!m_pending || FrameExtent().isNull()) {
        return false;
    }
    const QSize before = m_window.size();
    const WindowBounds pending = *m_pending;
    Place(pending);
    return m_window.size() != before;
}

WindowBounds OuterPlacement::Outer() const {
    QRect outer = m_window.frameGeometry();
    if (!PlacesAreKnown()) {
        outer.moveTo(m_placed.Left, m_placed.Top);
    }
    return BoundsOf(outer);
}

QSize OuterPlacement::FrameExtent() const {
    return m_window.frameGeometry().size() - m_window.size();
}

} // namespace tolk
