// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Dialog units to pixels.
#include "platform/qt/dialog_units.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <cmath>

#include "platform/qt/text.h"

namespace tavilo::platform::qt {

namespace {

// Multiplies and divides, rounding half away from zero.
int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

}  // namespace

QFont DialogFont(std::string_view templateFontName, int points) {
    QFont font(templateFontName == "MS Sans Serif" ? QStringLiteral("Liberation Sans")
                                                   : ToQString(templateFontName));
    font.setPointSize(points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

BaseUnits MeasureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded as the original platform
    // measures its dialog fonts.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The character height rounds ascent and descent up each on its own, as
    // the original platform's font metrics do; Qt's height() rounds them
    // together and comes out a pixel shorter.
    const QFontMetricsF exact(font);
    const int height = static_cast<int>(std::ceil(exact.ascent()) + std::ceil(exact.descent()));
    return {(letters / 26 + 1) / 2, height};
}

QRect ToPixels(const BaseUnits& units, int x, int y, int width, int height) {
    return {MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(width, units.x, 4),
            MulDiv(height, units.y, 8)};
}

}  // namespace tavilo::platform::qt
