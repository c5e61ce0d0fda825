// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Analyze's option values.
#include "cli/analysis_options.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/field_text.h"

namespace tavilo::cli {

namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The whole text as a finite number, read by the same grammar as a field.
std::optional<double> WholeNumber(std::string_view text) {
    text = Trim(text);
    if (text.empty() || platform::ParsedLength(text) != text.size()) return std::nullopt;
    const double value = platform::ParseField(text);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ParsePowerWatts(std::string_view text) {
    const std::optional<double> watts = WholeNumber(text);
    if (!watts || !(*watts > 0.0)) return std::nullopt;
    return watts;
}

std::optional<SpuriousLimitChoice> ParseSpuriousLimit(std::string_view text) {
    const std::string_view word = Trim(text);
    if (std::equal(word.begin(), word.end(), std::string_view("auto").begin(),
                   std::string_view("auto").end(), [](char a, char b) {
                       return std::tolower(static_cast<unsigned char>(a)) == b;
                   })) {
        return SpuriousLimitChoice{true, 0.0};
    }
    const std::optional<double> db = WholeNumber(text);
    if (!db || !(*db >= 0.0)) return std::nullopt;
    return SpuriousLimitChoice{false, *db};
}

}  // namespace tavilo::cli
