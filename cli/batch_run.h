// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Designs every row of a batch file and writes each record as it comes.
#pragma once

#include "cli/exit_status.h"
#include "cli/options.h"
#include "cli/run.h"

namespace tavilo::cli {

ExitStatus RunBatch(const Options& options, const Streams& streams);

}  // namespace tavilo::cli
