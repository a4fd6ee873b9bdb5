#include "app/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace tolk {
namespace {

constexpr double SmallTextContrast = 4.5;

double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor Mixed(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return {channel(from.red(), to.red()), channel(from.green(), to.green()),
            channel(from.blue(), to.blue())};
}

} // namespace

double Contrast(const QColor& first, const QColor& second) {
    const double one = Luminance(first);
    const double other = Luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background) {
    // Mid-grey by luminance: black stands out more from anything lighter, white from anything
    // darker.
    const QColor extreme = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    QColor colour = wanted;
    for (int tenths = 1; tenths <= 10 && Contrast(colour, background) < SmallTextContrast;
         ++tenths) {
        colour = Mixed(wanted, extreme, tenths / 10.0);
    }
    return colour;
}

} // namespace tolk
