// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The warning for a field text that reads as less than it says: the window
// reads "5k" as 5, which is rarely what was meant.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/job.h"

namespace tavilo::cli {

// The warning's text when anything but blanks follows the number that the
// window reads from the text (or when there is no number at all), naming the
// text and the number it reads as; nullopt for a text read whole.
std::optional<std::string> TrailingCharactersWarning(std::string_view text);

// Warns on err, naming the option, about every field-text input of one design
// (inputs in the job's input order) that the window reads as less than it says.
void WarnAboutFieldTexts(const JobLayout& layout, std::span<const std::string> inputs,
                         std::ostream& err);

}  // namespace tavilo::cli
