// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// tavilo-cli: the pi-network and coil designer for scripts and batches.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char** argv) {
    // The C streams are not used; unsynchronised C++ streams are much faster
    // for a batch of a million rows.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv, argv + argc);
    const bool terminal = isatty(STDIN_FILENO) == 1 && isatty(STDERR_FILENO) == 1;
    const int status =
        tavilo::cli::RunCli(args, tavilo::cli::Streams{std::cin, std::cout, std::cerr, terminal});
    std::cout.flush();
    return status;
}
