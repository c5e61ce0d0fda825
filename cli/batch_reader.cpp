// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The batch reader, on libcsv in strict mode. libcsv parses; this file keeps
// the line numbers, checks the header and the cell counts, and goes on with
// the next line after a row that is not CSV.
//
// Line numbers (counted by line feeds) come from feeding libcsv one line at a
// time, cut after a carriage return too: a callback then knows the line it is
// called on. A record begins on the first line of its bytes that is not blank
// (libcsv skips blank lines between records).
#include "cli/batch_reader.h"

#include <csv.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <utility>

#include "cli/message_text.h"

namespace tavilo::cli {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Blanks belong to a cell's text: libcsv would trim them otherwise.
int NoSpaceCharacters(unsigned char) {
    return 0;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string JoinNames(std::span<const std::string_view> names) {
    std::string joined;
    for (const std::string_view name : names) {
        if (!joined.empty()) joined += ',';
        joined += name;
    }
    return joined;
}

}  // namespace

struct BatchReader::State {
    explicit State(std::span<const std::string_view> names)
        : columns(names.begin(), names.end()), fileColumnOf(names.size()) {
        row.cells.resize(columns.size());
        StartParser();
    }
    ~State() { csv_free(&parser); }
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    void StartParser() {
        if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) throw std::bad_alloc();
        csv_set_space_func(&parser, NoSpaceCharacters);
    }

    // After a parse error libcsv keeps its state; a fresh parser starts the
    // next record cleanly.
    void RestartParser() {
        csv_free(&parser);
        StartParser();
        cellCount = 0;
        recordOpen = false;
    }

    static void OnCell(void* data, std::size_t size, void* self) {
        auto& state = *static_cast<State*>(self);
        if (state.failure || state.ended) return;
        try {
            state.AddCell(std::string_view(static_cast<const char*>(data), size));
        } catch (...) {
            state.failure = std::current_exception();
        }
    }

    static void OnRecordEnd(int, void* self) {
        auto& state = *static_cast<State*>(self);
        if (state.failure || state.ended) return;
        try {
            state.EndRecord();
        } catch (...) {
            state.failure = std::current_exception();
        }
    }

    // Exceptions must not cross libcsv's C frames; they wait here until
    // csv_parse has returned.
    void RethrowFailure() {
        if (failure) std::rethrow_exception(std::exchange(failure, nullptr));
    }

    void AddCell(std::string_view text) {
        if (!recordOpen) {
            recordOpen = true;
            recordLine = line;
        }
        // One cell past the header's count is enough to tell the user; a
        // line of a million commas must not cost a million strings.
        if (cellCount <= columns.size()) {
            if (cellCount < cells.size()) {
                cells[cellCount].assign(text);
            } else {
                cells.emplace_back(text);
            }
        }
        ++cellCount;
    }

    void EndRecord() {
        if (headerRead) {
            EndRow();
        } else {
            EndHeader();
        }
        cellCount = 0;
        recordOpen = false;
    }

    void EndHeader() {
        BatchProblem problem{0, recordLine, 0, {}, {}};
        std::vector<bool> seen(columns.size(), false);
        const std::size_t kept = std::min(cellCount, cells.size());
        header.clear();
        for (std::size_t i = 0; i < kept; ++i) {
            std::string_view name = cells[i];
            if (i == 0 && name.starts_with(kUtf8ByteOrderMark)) {
                name.remove_prefix(kUtf8ByteOrderMark.size());
            }
            name = TrimBlanks(name);
            header.emplace_back(name);
            const auto found = std::find(columns.begin(), columns.end(), name);
            problem.column = i + 1;
            problem.columnName = name;
            if (found == columns.end()) {
                problem.message = "unknown column " + QuotedForMessage(name) +
                                  "; the columns are " + JoinNames(columns);
                return EndBatch(problem);
            }
            const auto k = static_cast<std::size_t>(found - columns.begin());
            if (seen[k]) {
                problem.message = "column " + QuotedForMessage(name) + " appears twice";
                return EndBatch(problem);
            }
            seen[k] = true;
            fileColumnOf[k] = i;
        }
        std::vector<std::string_view> missing;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (!seen[k]) missing.push_back(columns[k]);
        }
        if (!missing.empty()) {
            problem.column = 0;
            problem.columnName.clear();
            problem.message = "the header lacks the column" +
                              std::string(missing.size() > 1 ? "s " : " ") + JoinNames(missing);
            return EndBatch(problem);
        }
        headerRead = true;
        sink->OnHeader();
    }

    void EndRow() {
        ++rowCount;
        if (cellCount != columns.size()) {
            BatchProblem problem{rowCount, recordLine, 0, {}, {}};
            problem.message = std::to_string(cellCount) + (cellCount == 1 ? " cell" : " cells") +
                              " where the header has " + std::to_string(columns.size());
            if (cellCount < columns.size()) {
                problem.column = cellCount + 1;
                problem.columnName = header[cellCount];
                problem.message += "; the row ends before this column";
            } else {
                problem.column = columns.size() + 1;
                problem.message += "; this column is one too many";
            }
            sink->OnProblem(problem);
            return;
        }
        row.number = rowCount;
        row.line = recordLine;
        for (std::size_t k = 0; k < columns.size(); ++k) row.cells[k] = cells[fileColumnOf[k]];
        sink->OnRow(row);
    }

    // A problem that is not confined to a row: nothing more is read.
    void EndBatch(const BatchProblem& problem) {
        ended = true;
        sink->OnProblem(problem);
    }

    // A record that is not CSV: a row problem, or the end if it is the header.
    void RecordProblem(std::size_t problemLine, std::string message) {
        BatchProblem problem{0, problemLine, cellCount + 1, {}, std::move(message)};
        if (headerRead) {
            problem.row = ++rowCount;
            if (problem.column <= header.size()) problem.columnName = header[problem.column - 1];
            sink->OnProblem(problem);
        } else {
            EndBatch(problem);
        }
    }

    void ParseError(char offending, std::size_t characterColumn) {
        if (csv_error(&parser) != CSV_EPARSE) throw std::bad_alloc();
        std::string message =
            offending == '"'
                ? "a quote inside a cell that does not begin with one (quote the whole cell "
                  "and double each quote in it)"
                : "characters after the closing quote of a cell";
        message += " at character " + std::to_string(characterColumn) + " of the line";
        RecordProblem(line, std::move(message));
        RestartParser();
    }

    // Bytes up to and including the first line feed or carriage return: libcsv
    // may end a record at either, so a piece holds at most one record's end.
    static std::size_t PieceSize(std::string_view bytes) {
        const char* data = bytes.data();
        const void* lineFeed = std::memchr(data, '\n', bytes.size());
        const std::size_t limit =
            lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - data) + 1
                     : bytes.size();
        const void* carriageReturn = std::memchr(data, '\r', limit);
        return carriageReturn
                   ? static_cast<std::size_t>(static_cast<const char*>(carriageReturn) - data) + 1
                   : limit;
    }

    void Feed(std::string_view bytes) {
        while (!bytes.empty() && !ended) {
            const std::string_view piece = bytes.substr(0, PieceSize(bytes));
            bytes.remove_prefix(piece.size());
            const bool endsWithBreak = piece.back() == '\n' || piece.back() == '\r';

            if (skipRestOfLine) {
                skipRestOfLine = !endsWithBreak;
            } else {
                if (!recordOpen && piece.find_first_not_of("\r\n") != std::string_view::npos) {
                    recordOpen = true;
                    recordLine = line;
                }
                const std::size_t used =
                    csv_parse(&parser, piece.data(), piece.size(), OnCell, OnRecordEnd, this);
                RethrowFailure();
                // A bad header ends the batch; libcsv may have gone on past it.
                if (ended) return;
                if (used < piece.size()) {
                    ParseError(piece[used], lineOffset + used + 1);
                    skipRestOfLine = !endsWithBreak;
                }
            }
            if (piece.back() == '\n') {
                ++line;
                lineOffset = 0;
            } else {
                lineOffset += piece.size();
            }
        }
    }

    void Finish() {
        if (ended) return;
        const int status = csv_fini(&parser, OnCell, OnRecordEnd, this);
        RethrowFailure();
        if (ended) return;
        if (status != 0) {
            RecordProblem(recordLine, "a quoted cell is not closed before the end of the input");
            RestartParser();
        }
        if (!headerRead && !ended) {
            EndBatch(BatchProblem{
                0,
                line,
                0,
                {},
                "no header row; the first line must name the columns " + JoinNames(columns)});
        }
    }

    std::vector<std::string_view> columns;  // the names asked for
    std::vector<std::size_t> fileColumnOf;  // for each of them, its column in the file
    std::vector<std::string> header;        // the header's names, in file order

    csv_parser parser{};
    BatchSink* sink = nullptr;
    std::exception_ptr failure;

    std::vector<std::string> cells;  // the record being read, in file order
    std::size_t cellCount = 0;       // its cells so far, kept or not
    bool recordOpen = false;
    std::size_t recordLine = 0;

    std::size_t line = 1;
    std::size_t lineOffset = 0;  // bytes of the current line already fed
    bool skipRestOfLine = false;

    bool headerRead = false;
    bool ended = false;
    std::size_t rowCount = 0;
    BatchRow row;
};

BatchReader::BatchReader(std::span<const std::string_view> columns)
    : state_(std::make_unique<State>(columns)) {}

BatchReader::~BatchReader() = default;

void BatchReader::Feed(std::string_view bytes, BatchSink& sink) {
    state_->sink = &sink;
    state_->Feed(bytes);
}

void BatchReader::Finish(BatchSink& sink) {
    state_->sink = &sink;
    state_->Finish();
}

bool BatchReader::Ended() const {
    return state_->ended;
}

std::size_t BatchReader::FileColumn(std::size_t k) const {
    return state_->fileColumnOf[k] + 1;
}

namespace {

class CollectingSink final : public BatchSink {
  public:
    explicit CollectingSink(BatchContents& contents) : contents_(contents) {}
    void OnHeader() override { contents_.headerRead = true; }
    void OnRow(const BatchRow& row) override { contents_.rows.push_back(row); }
    void OnProblem(const BatchProblem& problem) override { contents_.problems.push_back(problem); }

  private:
    BatchContents& contents_;
};

}  // namespace

BatchContents ReadBatch(std::string_view bytes, std::span<const std::string_view> columns) {
    BatchContents contents;
    CollectingSink sink(contents);
    BatchReader reader(columns);
    reader.Feed(bytes, sink);
    reader.Finish(sink);
    return contents;
}

}  // namespace tavilo::cli
