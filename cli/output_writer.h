// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Writes design records to standard output, one whole record at a time: a row
// that fails writes nothing, and a batch is buffered in large blocks.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <span>
#include <string>

#include "cli/design_record.h"
#include "cli/job.h"

namespace tavilo::cli {

enum class OutputFormat { Text, Csv, Json };

class OutputWriter {
  public:
    OutputWriter(const JobLayout& layout, std::ostream& out) : spec_(layout), out_(out) {}
    virtual ~OutputWriter() = default;
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;

    // Before the first record: a CSV header, say.
    virtual void Begin() {}
    // One record; inputs are the texts given for it, in the job's input order.
    virtual void Write(std::size_t row, std::span<const std::string> inputs,
                       const DesignRecord& record) = 0;
    // After the last record: a table laid out from every row, say.
    virtual void End() {}

    // Hands what is buffered to the stream. False when the stream failed.
    bool Flush();

  protected:
    const JobLayout& Layout() const { return spec_; }
    // A record is appended to the buffer whole, then committed.
    std::string& Buffer() { return buffer_; }
    void Commit() {
        if (buffer_.size() >= kBlockSize) Flush();
    }

  private:
    static constexpr std::size_t kBlockSize = 1 << 16;
    const JobLayout& spec_;
    std::ostream& out_;
    std::string buffer_;
};

// rowHeadings: the text format names each record's row (for batches). A
// job that marks the minimum C1 (bands) gets one table in the text format.
std::unique_ptr<OutputWriter> MakeOutputWriter(OutputFormat format, const JobLayout& layout,
                                               std::ostream& out, bool rowHeadings);

}  // namespace tavilo::cli
