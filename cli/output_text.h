// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Output for people: the inputs as given and the results as the window shows
// them, aligned, with their units.
#pragma once

#include "cli/output_writer.h"

namespace tavilo::cli {

class TextWriter final : public OutputWriter {
  public:
    TextWriter(const JobLayout& layout, std::ostream& out, bool rowHeadings)
        : OutputWriter(layout, out), rowHeadings_(rowHeadings) {}
    void Write(std::size_t row, std::span<const std::string> inputs,
               const DesignRecord& record) override;

  private:
    bool rowHeadings_;
    bool first_ = true;
};

}  // namespace tavilo::cli
