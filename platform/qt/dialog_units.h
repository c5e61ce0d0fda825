// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Dialog units: template coordinates scale with the dialog font, a quarter of
// its average character width across and an eighth of its height down.
#pragma once

#include <QFont>
#include <QRect>
#include <string_view>

namespace tavilo::platform::qt {

struct BaseUnits {
    int x = 0;  // average character width in pixels
    int y = 0;  // character height in pixels
};

// The font that stands in for a template's font. "MS Sans Serif" is served by
// Liberation Sans, which has the same base units.
QFont DialogFont(std::string_view templateFontName, int points);

BaseUnits MeasureBaseUnits(const QFont& font);

// Rounds as the original platform does: x * base / 4 and y * base / 8, to the
// nearest pixel.
QRect ToPixels(const BaseUnits& units, int x, int y, int width, int height);

}  // namespace tavilo::platform::qt
