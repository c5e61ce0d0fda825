// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil window's two commands, Calc. Turns and Calc. L.
#pragma once

#include "platform/window.h"
#include "ui/inductor_form.h"

namespace tavilo::ui {

// The numbers behind the texts a coil command writes, and the winding it
// worked with, for callers that report more than the window shows.
struct CoilOutcome {
    double value = 0.0;    // turns (Calc. Turns) or inductance in uH (Calc. L)
    double spacing = 0.0;  // inches per turn
    double turns = 0.0;    // computed (Calc. Turns) or read (Calc. L)
    double diameterIn = 0.0;
    double lengthIn = 0.0;
};

// Turns for the L, diameter and length typed; writes the turns and spacing.
CoilOutcome OnCalcTurns(InductorForm& form, platform::Window& window);

// Inductance of the turns, diameter and length typed; writes L and spacing.
CoilOutcome OnCalcL(InductorForm& form, platform::Window& window);

}  // namespace tavilo::ui
