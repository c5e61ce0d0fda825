// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Modal message boxes with the platform's icons and buttons.
#pragma once

#include <string_view>

class QWidget;

namespace tavilo::platform::qt {

// Shows a box over `owner` and returns IDOK or IDCANCEL. The style's type
// bits choose OK or OK/Cancel (OK the default); its icon bits the icon.
int RunMessageBox(QWidget* owner, std::string_view text, std::string_view caption, unsigned style);

}  // namespace tavilo::platform::qt
