// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The band table for people: the shared inputs once, then one line per
// frequency with the window's texts, the rows whose Q0 the capacitor's
// minimum raised marked with a star.
#pragma once

#include <vector>

#include "cli/output_writer.h"

namespace tavilo::cli {

class BandsTextWriter final : public OutputWriter {
  public:
    using OutputWriter::OutputWriter;
    void Write(std::size_t row, std::span<const std::string> inputs,
               const DesignRecord& record) override;
    void End() override;

  private:
    struct Row {
        std::vector<std::string> inputs;
        DesignStatus status = DesignStatus::Designed;
        std::vector<std::string> texts;
        bool c1AtMinimum = false;
        bool q0Raised = false;
        double capMinPf = 0.0;
        std::string message;
    };
    std::vector<Row> rows_;
};

}  // namespace tavilo::cli
