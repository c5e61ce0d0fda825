// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Input texts made safe to show in a message.
#include "cli/message_text.h"

namespace tavilo::cli {

namespace {

// Where to cut so that no UTF-8 sequence is split.
std::size_t CutPoint(std::string_view text, std::size_t limit) {
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return cut;
}

}  // namespace

std::string EscapedForMessage(std::string_view text) {
    const bool cut = text.size() > kMessageTextLimit;
    const std::string_view shown = cut ? text.substr(0, CutPoint(text, kMessageTextLimit)) : text;
    std::string out;
    out.reserve(shown.size() + 8);
    for (const char c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    static constexpr char kHex[] = "0123456789ABCDEF";
                    out += "\\x";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0x0F];
                } else {
                    out += c;
                }
        }
    }
    if (cut) out += "...";
    return out;
}

std::string QuotedForMessage(std::string_view text) {
    std::string quoted = "\"";
    quoted += EscapedForMessage(text);
    quoted += '"';
    return quoted;
}

}  // namespace tavilo::cli
