// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Times tavilo-cli's pi batch, CSV in and JSON out, in-process on one core.
//
//   pi_batch_bench [--rows N] [--runs R] [--keep FILE]
//
// It writes a batch of N rows (default 1,000,000) across the amateur bands,
// both capacitor types and a share of rows below the Q0 bound, then runs
// "tavilo-cli pi --batch FILE --format json" R times (default 3) through the
// same entry point as the executable. The output goes to a sink that counts
// its lines. It prints the best wall-clock and CPU times and the designs per
// second they give. --keep FILE leaves the batch there, to time the
// executable itself with the same input.
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/run.h"

namespace {

// Discards the output but counts its lines, to check that every row came out.
class LineCountingBuffer final : public std::streambuf {
  public:
    std::size_t Lines() const { return lines_; }

  protected:
    int_type overflow(int_type c) override {
        if (c == '\n') ++lines_;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        lines_ += static_cast<std::size_t>(std::count(s, s + n, '\n'));
        return n;
    }

  private:
    std::size_t lines_ = 0;
};

void WriteBatch(const std::string& path, std::size_t rows) {
    static const char* const kPlates[] = {"1500", "2000", "2500", "3000", "4000", "5000", "6500"};
    static const char* const kAntennas[] = {"50", "75", "52"};
    static const char* const kFrequencies[] = {"1.8",  "3.5", "7",    "10.1", "14",
                                               "18.1", "21",  "24.9", "28",   "29.7"};
    static const char* const kCaps[] = {"air", "vacuum", "", "40"};
    std::ofstream out(path, std::ios::binary);
    out << "plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf\n";
    // A fixed linear congruential sequence: the same batch on every run.
    std::uint64_t state = 12345;
    const auto next = [&state](std::uint64_t n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % n;
    };
    for (std::size_t i = 0; i < rows; ++i) {
        // Q0 from 4 to 19.5: about one row in eight does not exceed its bound.
        const double q0 = 4.0 + 0.5 * static_cast<double>(next(32));
        out << kPlates[next(7)] << ',' << kAntennas[next(3)] << ',' << q0 << ','
            << kFrequencies[next(10)] << ',' << kCaps[next(4)] << '\n';
    }
    if (!out) {
        std::cerr << "pi_batch_bench: cannot write " << path << '\n';
        std::exit(1);
    }
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t rows = 1'000'000;
    int runs = 3;
    std::string keep;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--rows") {
            rows = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (option == "--runs") {
            runs = std::atoi(argv[i + 1]);
        } else if (option == "--keep") {
            keep = argv[i + 1];
        } else {
            std::cerr << "usage: pi_batch_bench [--rows N] [--runs R] [--keep FILE]\n";
            return 2;
        }
    }

    // One core: the run is single-threaded, and pinning keeps it from
    // wandering between the cores of a shared machine.
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    CPU_SET(sched_getcpu(), &cpus);
    sched_setaffinity(0, sizeof cpus, &cpus);

    std::string path = keep;
    if (path.empty()) {
        char name[] = "/tmp/pi_batch_bench_XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) {
            std::perror("pi_batch_bench: mkstemp");
            return 1;
        }
        close(fd);
        path = name;
    }
    WriteBatch(path, rows);

    const std::vector<std::string> args{"tavilo-cli", "pi", "--batch", path, "--format", "json"};
    double bestWall = 0.0;
    double bestCpu = 0.0;
    for (int run = 0; run < runs; ++run) {
        LineCountingBuffer sink;
        std::ostream out(&sink);
        std::istringstream in;
        std::ostringstream err;
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = CpuSeconds();
        const int status = tavilo::cli::RunCli(args, tavilo::cli::Streams{in, out, err, false});
        const double cpu = CpuSeconds() - cpuStart;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        // 1: some rows stopped at the Q0 bound, as the batch intends.
        if ((status != 0 && status != 1) || sink.Lines() != rows) {
            std::cerr << "pi_batch_bench: run failed: status " << status << ", " << sink.Lines()
                      << " lines of " << rows << '\n'
                      << err.str();
            return 1;
        }
        if (run == 0 || wall < bestWall) bestWall = wall;
        if (run == 0 || cpu < bestCpu) bestCpu = cpu;
    }
    if (keep.empty()) std::remove(path.c_str());

    const double perRow = static_cast<double>(rows);
    std::printf("pi batch, CSV to JSON: %zu rows, best of %d runs\n", rows, runs);
    std::printf("  wall %.3f s  %.0f designs/s\n", bestWall, perRow / bestWall);
    std::printf("  cpu  %.3f s  %.0f designs/s\n", bestCpu, perRow / bestCpu);
    return 0;
}
