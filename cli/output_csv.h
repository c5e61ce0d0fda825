// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// CSV output: the input columns, the status, the texts the window shows, and
// the Q0 prompt's text when it came.
#pragma once

#include <string>
#include <string_view>

#include "cli/output_writer.h"

namespace tavilo::cli {

class CsvWriter final : public OutputWriter {
  public:
    using OutputWriter::OutputWriter;
    void Begin() override;
    void Write(std::size_t row, std::span<const std::string> inputs,
               const DesignRecord& record) override;
};

// A cell after RFC 4180: quoted, with quotes doubled, when it holds a comma,
// a quote or a line break; as it is otherwise.
void AppendCsvCell(std::string& out, std::string_view text);

}  // namespace tavilo::cli
