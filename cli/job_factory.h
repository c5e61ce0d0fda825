// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The job for a command line, and the answer it gives to the Q0 prompt.
#pragma once

#include <istream>
#include <memory>
#include <ostream>

#include "cli/job.h"
#include "cli/options.h"
#include "platform/memory_window.h"

namespace tavilo::cli {

// OK when raiseQ; otherwise the question goes to err and the answer comes
// from terminal when one is given ("y" or "yes" is OK), else Cancel.
platform::MemoryWindow::Responder MakeQ0Responder(bool raiseQ, std::istream* terminal,
                                                  std::ostream& err);

// Asks the responder the first time only and gives its answer ever after:
// for designs that meet the same question, such as one network across bands.
platform::MemoryWindow::Responder AnswerOnce(platform::MemoryWindow::Responder responder);

std::unique_ptr<Job> MakeJob(const Options& options, platform::MemoryWindow::Responder q0Prompt);

}  // namespace tavilo::cli
