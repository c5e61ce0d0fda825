// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// JSON Lines: one object per record, its numbers in their shortest round-trip
// form and the window's texts beside them.
#pragma once

#include <string>
#include <string_view>

#include "cli/output_writer.h"

namespace tavilo::cli {

class JsonWriter final : public OutputWriter {
  public:
    using OutputWriter::OutputWriter;
    void Write(std::size_t row, std::span<const std::string> inputs,
               const DesignRecord& record) override;
};

// A JSON number, or for a non-finite value the string "inf", "-inf" or "nan".
void AppendJsonNumber(std::string& out, double value);
// A JSON string, with quotes, backslashes and control characters escaped.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace tavilo::cli
