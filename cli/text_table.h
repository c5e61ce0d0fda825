// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// A table of text for the text output: columns as wide as their widest cell,
// the first left-aligned, the others right-aligned so that numbers line up
// unless told otherwise.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tavilo::cli {

class TextTable {
  public:
    void AddRow(std::vector<std::string> cells) { rows_.push_back({std::move(cells), false}); }
    // A row whose last cell runs on from its column, left-aligned, without
    // widening it: a remark in place of the numbers.
    void AddRemarkRow(std::vector<std::string> cells) { rows_.push_back({std::move(cells), true}); }
    // Aligns a column other than the first to the left too.
    void LeftAlign(std::size_t column) {
        if (leftAligned_.size() <= column) leftAligned_.resize(column + 1, false);
        leftAligned_[column] = true;
    }

    // Every row on its own line, after `indent` spaces, two blanks between
    // columns, no blanks at the end of a line. Rows may have fewer cells.
    void AppendTo(std::string& out, std::size_t indent = 2) const;

  private:
    struct Row {
        std::vector<std::string> cells;
        bool lastIsRemark = false;
    };
    std::vector<Row> rows_;
    std::vector<bool> leftAligned_{true};
};

}  // namespace tavilo::cli
