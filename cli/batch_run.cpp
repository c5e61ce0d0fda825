// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The batch run: bytes from the file into the reader, rows into the job,
// records into the writer. A row that cannot be read or designed is named on
// standard error and writes nothing; every other row goes on.
#include "cli/batch_run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "cli/batch_reader.h"
#include "cli/field_warning.h"
#include "cli/job_factory.h"
#include "cli/message_text.h"

namespace tavilo::cli {

namespace {

class BatchRun final : public BatchSink {
  public:
    BatchRun(std::string fileName, Job& job, OutputWriter& writer, std::ostream& err,
             const BatchReader& reader)
        : fileName_(std::move(fileName)), job_(job), writer_(writer), err_(err), reader_(reader) {}

    void OnHeader() override { writer_.Begin(); }

    void OnRow(const BatchRow& row) override {
        const JobLayout& layout = job_.Layout();
        for (std::size_t k = 0; k < layout.inputs.size(); ++k) {
            if (layout.inputs[k].kind != InputKind::FieldText) continue;
            if (const auto warning = TrailingCharactersWarning(row.cells[k])) {
                Report(row.line, "warning", k, *warning);
            }
        }
        if (const auto problem = job_.Run(row.cells, record_)) {
            Report(row.line, "error", problem->input,
                   problem->message + "; row " + std::to_string(row.number) + " was not designed");
            ++badRows_;
            return;
        }
        writer_.Write(row.number, row.cells, record_);
        if (record_.status != DesignStatus::Designed) ++undesigned_;
    }

    void OnProblem(const BatchProblem& problem) override {
        err_ << "tavilo-cli: " << fileName_ << ':' << problem.line << ": error: ";
        if (problem.column > 0) {
            err_ << "column " << problem.column;
            if (!problem.columnName.empty()) {
                err_ << " (" << EscapedForMessage(problem.columnName) << ')';
            }
            err_ << ": ";
        }
        err_ << problem.message;
        if (problem.EndsBatch()) {
            err_ << "; nothing was designed\n";
        } else {
            err_ << "; row " << problem.row << " was not designed\n";
        }
        ++badRows_;
    }

    std::size_t BadRows() const { return badRows_; }
    std::size_t Undesigned() const { return undesigned_; }

  private:
    // Names a row's problem or warning by file, line and column.
    void Report(std::size_t line, std::string_view kind, std::size_t input,
                const std::string& message) {
        err_ << "tavilo-cli: " << fileName_ << ':' << line << ": " << kind << ": column "
             << reader_.FileColumn(input) << " (" << job_.Layout().inputs[input].column
             << "): " << message << '\n';
    }

    std::string fileName_;
    Job& job_;
    OutputWriter& writer_;
    std::ostream& err_;
    const BatchReader& reader_;
    DesignRecord record_;
    std::size_t badRows_ = 0;
    std::size_t undesigned_ = 0;
};

constexpr std::size_t kReadSize = 1 << 16;

// Feeds the whole input to the reader. False, with a message, when it could
// not be read to the end.
bool FeedFile(const std::string& path, BatchReader& reader, BatchRun& run, std::ostream& err) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        err << "tavilo-cli: " << path
            << ": error: cannot open the batch file: " << std::strerror(errno) << '\n';
        return false;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(file, std::fclose);
    std::vector<char> buffer(kReadSize);
    while (!reader.Ended()) {
        const std::size_t size = std::fread(buffer.data(), 1, buffer.size(), file);
        reader.Feed(std::string_view(buffer.data(), size), run);
        if (size < buffer.size()) {
            if (std::ferror(file)) {
                err << "tavilo-cli: " << path
                    << ": error: cannot read the batch file: " << std::strerror(errno)
                    << "; no row after that point was designed\n";
                return false;
            }
            break;
        }
    }
    return true;
}

bool FeedStream(std::istream& in, BatchReader& reader, BatchRun& run, std::ostream& err) {
    std::vector<char> buffer(kReadSize);
    while (!reader.Ended() && in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        reader.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())), run);
    }
    if (in.bad()) {
        err << "tavilo-cli: <stdin>: error: cannot read standard input; no row after that point "
               "was designed\n";
        return false;
    }
    return true;
}

}  // namespace

ExitStatus RunBatch(const Options& options, const Streams& streams) {
    const JobLayout& layout = LayoutOf(options.command);
    // A batch never waits on standard input: the Q0 prompt is answered by
    // --raise-q alone.
    const std::unique_ptr<Job> job =
        MakeJob(options, MakeQ0Responder(options.raiseQ, nullptr, streams.err));
    const auto writer =
        MakeOutputWriter(options.format.value_or(OutputFormat::Csv), layout, streams.out, true);

    std::vector<std::string_view> columns;
    for (const InputField& input : layout.inputs) columns.push_back(input.column);
    BatchReader reader(columns);

    const bool fromStdin = *options.batch == "-";
    BatchRun run(fromStdin ? "<stdin>" : *options.batch, *job, *writer, streams.err, reader);
    const bool readWhole = fromStdin ? FeedStream(streams.in, reader, run, streams.err)
                                     : FeedFile(*options.batch, reader, run, streams.err);
    if (readWhole) reader.Finish(run);
    writer->End();

    if (!writer->Flush()) {
        streams.err << "tavilo-cli: cannot write to standard output\n";
        return ExitStatus::OutputFailed;
    }
    if (!readWhole || run.BadRows() > 0) return ExitStatus::BadInput;
    return run.Undesigned() > 0 ? ExitStatus::Q0TooLow : ExitStatus::Success;
}

}  // namespace tavilo::cli
