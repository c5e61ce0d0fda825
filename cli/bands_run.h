// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The band table: one pi design for each frequency of the list, written as
// the rows come, in list order.
#pragma once

#include "cli/exit_status.h"
#include "cli/options.h"
#include "cli/run.h"

namespace tavilo::cli {

ExitStatus RunBands(const Options& options, const Streams& streams);

}  // namespace tavilo::cli
