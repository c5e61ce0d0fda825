// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// tavilo-cli as a function: arguments and streams in, exit status out. The
// executable's main calls it; tests and the benchmark call it in-process.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace tavilo::cli {

struct Streams {
    std::istream& in;  // a batch given as "-", or the answer to the Q0 prompt
    std::ostream& out;
    std::ostream& err;
    // Standard input and standard error are a terminal: one design may ask
    // the Q0 prompt there.
    bool terminal = false;
};

// args[0] is the program's name. Returns the exit status.
int RunCli(std::span<const std::string> args, const Streams& streams);

}  // namespace tavilo::cli
