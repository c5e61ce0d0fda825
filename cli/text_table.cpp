// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Text tables.
#include "cli/text_table.h"

#include <algorithm>

namespace tavilo::cli {

namespace {

// Cells are ASCII or UTF-8; a column's width counts characters, not bytes.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

void TextTable::AppendTo(std::string& out, std::size_t indent) const {
    std::vector<std::size_t> widths;
    for (const Row& row : rows_) {
        const std::size_t measured = row.cells.size() - (row.lastIsRemark ? 1 : 0);
        if (widths.size() < measured) widths.resize(measured, 0);
        for (std::size_t c = 0; c < measured; ++c) {
            widths[c] = std::max(widths[c], Width(row.cells[c]));
        }
    }
    for (const Row& row : rows_) {
        std::string line(indent, ' ');
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            const std::string& cell = row.cells[c];
            if (c > 0) line += "  ";
            if (row.lastIsRemark && c + 1 == row.cells.size()) {
                line += cell;
                break;
            }
            const std::size_t pad = widths[c] - Width(cell);
            if (c < leftAligned_.size() && leftAligned_[c]) {
                line += cell;
                line.append(pad, ' ');
            } else {
                line.append(pad, ' ');
                line += cell;
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
    }
}

}  // namespace tavilo::cli
