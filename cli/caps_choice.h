// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The kind of variable capacitor used for C1, as the command line and the
// cap_min_pf column name it: air, vacuum, or a number of pF.
#pragma once

#include <optional>
#include <string_view>

#include "ui/pi_network_form.h"

namespace tavilo::cli {

struct CapsChoice {
    enum class Kind { FormDefault, Air, Vacuum, Picofarads };
    Kind kind = Kind::FormDefault;
    double picofarads = 0.0;  // for Kind::Picofarads

    // What the window's capacitor buttons would do: the air and vacuum
    // commands, or the minimum set directly. FormDefault leaves the form's own.
    void ApplyTo(ui::PiNetworkForm& form) const;
};

// Reads "air", "vacuum" (in any case) or a number, with blanks around it
// allowed. An empty text is the fallback. Anything else gives nullopt.
std::optional<CapsChoice> ParseCapsChoice(std::string_view text, CapsChoice fallback = {});

}  // namespace tavilo::cli
