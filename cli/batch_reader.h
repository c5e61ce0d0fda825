// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Reads a batch: CSV after RFC 4180 with a header row that names the columns,
// one design per row. Bytes go in as they come; rows, and a problem for every
// row that cannot be read, come out in input order. Any bytes are safe input.
#pragma once

#include <cstddef>
#include <exception>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavilo::cli {

// A row of a batch, its cells in the order of the columns the reader was
// given (whatever their order in the file).
struct BatchRow {
    std::size_t number = 0;  // 1 for the first row after the header
    std::size_t line = 0;    // line on which the row begins, from 1
    std::vector<std::string> cells;
};

// Something that is not a batch row of the right columns. A problem with
// row 0 concerns the header or the file as a whole and ends the batch.
struct BatchProblem {
    std::size_t row = 0;     // the row it takes the place of; 0 for the header
    std::size_t line = 0;    // from 1
    std::size_t column = 0;  // column number in the file, from 1; 0 for none
    std::string columnName;  // the header's name of that column, if known
    std::string message;
    bool EndsBatch() const { return row == 0; }
};

class BatchSink {
  public:
    virtual ~BatchSink() = default;
    virtual void OnHeader() {}
    virtual void OnRow(const BatchRow& row) = 0;
    virtual void OnProblem(const BatchProblem& problem) = 0;

  protected:
    BatchSink() = default;
    BatchSink(const BatchSink&) = default;
    BatchSink& operator=(const BatchSink&) = default;
};

class BatchReader {
  public:
    // The column names the header must hold, each once, in any order.
    explicit BatchReader(std::span<const std::string_view> columns);
    ~BatchReader();
    BatchReader(const BatchReader&) = delete;
    BatchReader& operator=(const BatchReader&) = delete;

    // Reads the next bytes of the batch; a row or cell may be split anywhere
    // between two calls.
    void Feed(std::string_view bytes, BatchSink& sink);
    // Ends the batch: the last row need not end with a line break.
    void Finish(BatchSink& sink);

    // True once a problem with the header or the file ended the batch.
    bool Ended() const;

    // Where the k-th of the columns asked for stands in the file, from 1;
    // known once the header has been read.
    std::size_t FileColumn(std::size_t k) const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Everything a whole batch held in memory gives, in input order.
struct BatchContents {
    bool headerRead = false;
    std::vector<BatchRow> rows;
    std::vector<BatchProblem> problems;
};

BatchContents ReadBatch(std::string_view bytes, std::span<const std::string_view> columns);

}  // namespace tavilo::cli
