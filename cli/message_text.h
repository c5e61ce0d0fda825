// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Texts from the input shown inside a message. A cell or an argument may hold
// anything: line breaks, terminal control sequences, a megabyte of text. In a
// message it stays on one line, shows its control characters as escapes and
// is cut short, so that every message is one readable line.
#pragma once

#include <string>
#include <string_view>

namespace tavilo::cli {

// The longest part of an input text that a message shows, in bytes.
inline constexpr std::size_t kMessageTextLimit = 64;

// The text with \ and " escaped, control characters as \n, \r, \t or \xHH,
// and anything past kMessageTextLimit bytes replaced by "...".
std::string EscapedForMessage(std::string_view text);

// The same between double quotes.
std::string QuotedForMessage(std::string_view text);

}  // namespace tavilo::cli
