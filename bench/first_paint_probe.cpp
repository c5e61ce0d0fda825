// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Installs the first-paint probe as soon as the toolkit's application exists.
#include "first_paint_probe.h"

namespace {

void InstallFirstPaintProbe() {
    QCoreApplication::instance()->installEventFilter(new tavilo::bench::FirstPaintProbe);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
