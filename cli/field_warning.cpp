// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Field text warnings.
#include "cli/field_warning.h"

#include <algorithm>

#include "cli/message_text.h"
#include "cli/number_text.h"
#include "platform/field_text.h"

namespace tavilo::cli {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::optional<std::string> TrailingCharactersWarning(std::string_view text) {
    const std::string_view rest = text.substr(platform::ParsedLength(text));
    // Trailing blanks change nothing a reader would notice; an empty text is
    // an empty field, which reads as 0 in the window too.
    if (std::all_of(rest.begin(), rest.end(), IsBlank)) return std::nullopt;

    std::string warning = QuotedForMessage(text);
    warning += rest.size() == text.size() ? " has no number; read as "
                                          : " has characters after its number; read as ";
    AppendShortest(warning, platform::ParseField(text));
    return warning;
}

void WarnAboutFieldTexts(const JobLayout& layout, std::span<const std::string> inputs,
                         std::ostream& err) {
    for (std::size_t i = 0; i < layout.inputs.size(); ++i) {
        if (layout.inputs[i].kind != InputKind::FieldText) continue;
        if (const auto warning = TrailingCharactersWarning(inputs[i])) {
            err << "tavilo-cli: warning: --" << layout.inputs[i].option << ' ' << *warning << '\n';
        }
    }
}

}  // namespace tavilo::cli
