// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Capacitor choices.
#include "cli/caps_choice.h"

#include <algorithm>
#include <cctype>

#include "platform/field_text.h"

namespace tavilo::cli {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

}  // namespace

void CapsChoice::ApplyTo(ui::PiNetworkForm& form) const {
    switch (kind) {
        case Kind::FormDefault:
            break;
        case Kind::Air:
            form.OnAirCaps();
            break;
        case Kind::Vacuum:
            form.OnVacuumCaps();
            break;
        case Kind::Picofarads:
            form.capMinPf = picofarads;
            break;
    }
}

std::optional<CapsChoice> ParseCapsChoice(std::string_view text, CapsChoice fallback) {
    text = Trim(text);
    if (text.empty()) return fallback;
    if (EqualsIgnoringCase(text, "air")) return CapsChoice{CapsChoice::Kind::Air};
    if (EqualsIgnoringCase(text, "vacuum")) return CapsChoice{CapsChoice::Kind::Vacuum};
    // A number of pF, read by the same grammar as a field, but only when the
    // whole text is the number: "40pF" is a mistake worth telling.
    if (platform::ParsedLength(text) != text.size()) return std::nullopt;
    return CapsChoice{CapsChoice::Kind::Picofarads, platform::ParseField(text)};
}

}  // namespace tavilo::cli
