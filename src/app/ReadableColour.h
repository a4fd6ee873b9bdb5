#pragma once

#include <QColor>

namespace tolk {

/// How far apart two colours are in lightness, as the web's accessibility guidelines measure it:
/// from 1 (the same) to 21 (black on white).
double Contrast(const QColor& first, const QColor& second);

/// The wanted text colour as it reads on the background: itself when it stands out enough for
/// small text (4.5 : 1), otherwise moved toward black on a light background, or toward white on a
/// dark one, just far enough.
QColor ReadableOn(const QColor& wanted, const QColor& background);

} // namespace tolk
