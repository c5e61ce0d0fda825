// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The buffer shared by the writers, and the choice among them.
#include "cli/output_writer.h"

#include "cli/output_bands_text.h"
#include "cli/output_csv.h"
#include "cli/output_json.h"
#include "cli/output_text.h"

namespace tavilo::cli {

bool OutputWriter::Flush() {
    if (!buffer_.empty()) {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }
    out_.flush();
    return static_cast<bool>(out_);
}

std::unique_ptr<OutputWriter> MakeOutputWriter(OutputFormat format, const JobLayout& layout,
                                               std::ostream& out, bool rowHeadings) {
    switch (format) {
        case OutputFormat::Csv:
            return std::make_unique<CsvWriter>(layout, out);
        case OutputFormat::Json:
            return std::make_unique<JsonWriter>(layout, out);
        case OutputFormat::Text:
            break;
    }
    if (layout.supplement == Supplement::MinimumC1Mark) {
        return std::make_unique<BandsTextWriter>(layout, out);
    }
    return std::make_unique<TextWriter>(layout, out, rowHeadings);
}

}  // namespace tavilo::cli
