// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The command-line designer's batches: arbitrary bytes as the CSV of a pi,
// turns or inductance batch, read from standard input in-process. Nothing may
// crash or hang, and every row must be accounted for exactly once: written to
// standard output (designed, or stopped at the Q0 bound), or named on
// standard error as not designed.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_reader.h"
#include "cli/run.h"
#include "fuzz_support.h"

namespace {

using namespace std::string_view_literals;

struct Command {
    const char* name;
    std::vector<std::string_view> columns;
};

const std::array<Command, 3> kCommands{{
    {"pi", {"plate_ohms"sv, "antenna_ohms"sv, "q0"sv, "freq_mhz"sv, "cap_min_pf"sv}},
    {"turns", {"l_uh"sv, "diameter_in"sv, "length_in"sv}},
    {"inductance", {"turns"sv, "diameter_in"sv, "length_in"sv}},
}};

constexpr std::string_view kReportStart = "tavilo-cli: <stdin>:";

// "tavilo-cli: <stdin>:LINE: error: ...".
bool IsErrorReport(std::string_view line) {
    if (line.substr(0, kReportStart.size()) != kReportStart) return false;
    std::size_t i = kReportStart.size();
    const std::size_t digits = i;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
    return i > digits && line.substr(i, 9) == ": error: ";
}

// N from a line ending in "; row N was not designed", else 0.
std::size_t RowNotDesigned(std::string_view line) {
    constexpr std::string_view kEnd = " was not designed";
    constexpr std::string_view kRow = "; row ";
    if (line.size() < kEnd.size() || line.substr(line.size() - kEnd.size()) != kEnd) return 0;
    const std::size_t numberEnd = line.size() - kEnd.size();
    const std::size_t rowAt = line.rfind(kRow, numberEnd);
    if (rowAt == std::string_view::npos) return 0;
    std::size_t row = 0;
    for (std::size_t i = rowAt + kRow.size(); i < numberEnd; ++i) {
        if (line[i] < '0' || line[i] > '9') return 0;
        row = row * 10 + static_cast<std::size_t>(line[i] - '0');
    }
    return row;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tavilo::fuzz::Check;
    if (size == 0) return 0;
    const Command& command = kCommands[data[0] % kCommands.size()];
    // Only a pi batch has a Q0 bound to raise.
    const bool raiseQ = command.columns.size() == 5 && (data[0] & 0x80) != 0;
    const std::string csv(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::vector<std::string> args{"tavilo-cli", command.name, "--batch", "-", "--format", "json"};
    if (raiseQ) args.emplace_back("--raise-q");
    std::istringstream in(csv);
    std::ostringstream out;
    std::ostringstream err;
    const int status = tavilo::cli::RunCli(args, {in, out, err, false});
    Check(status == 0 || status == 1 || status == 3, "exit status is 0, 1 or 3", err.str());

    // The rows as the reader alone sees them.
    const tavilo::cli::BatchContents contents = tavilo::cli::ReadBatch(csv, command.columns);
    std::size_t lastRow = 0;
    bool ended = false;
    for (const auto& row : contents.rows) lastRow = std::max(lastRow, row.number);
    for (const auto& problem : contents.problems) {
        lastRow = std::max(lastRow, problem.row);
        ended |= problem.EndsBatch();
    }

    std::multiset<std::size_t> accounted;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        std::size_t row = 0;
        Check(std::sscanf(line.c_str(), "{\"row\":%zu,", &row) == 1, "output line names its row",
              line);
        accounted.insert(row);
    }
    // Messages are one line each, whatever the cells hold: an error report
    // starts its line and a row that was not designed ends it.
    const std::string errors = err.str();
    bool anyError = false;
    std::istringstream errorLines(errors);
    for (std::string line; std::getline(errorLines, line);) {
        if (!IsErrorReport(line)) continue;
        anyError = true;
        if (const std::size_t row = RowNotDesigned(line); row != 0) accounted.insert(row);
    }

    if (ended && contents.rows.empty()) {
        Check(out.str().empty(), "a batch ended by its header writes no row", out.str());
        Check(errors.find("nothing was designed") != std::string::npos ||
                  errors.find("no row after that point") != std::string::npos,
              "a batch ended by its header says so", errors);
    }
    // Every row from the first to the last the reader saw, each exactly once.
    if (!ended) {
        Check(accounted.size() == lastRow, "every row is written or reported exactly once",
              errors + "\n" + out.str());
        for (std::size_t row = 1; row <= lastRow; ++row) {
            Check(accounted.count(row) == 1, "row written or reported exactly once",
                  std::to_string(row));
        }
        Check((status == 3) == anyError,
              "exit status 3 exactly when a row could not be read or designed", errors);
    }
    return 0;
}
