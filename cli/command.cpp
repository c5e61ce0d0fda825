// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Commands and their jobs.
#include "cli/command.h"

#include "cli/analyze_job.h"
#include "cli/bands_job.h"
#include "cli/coil_job.h"
#include "cli/pi_job.h"

namespace tavilo::cli {

const JobLayout& LayoutOf(Command command) {
    switch (command) {
        case Command::Turns:
            return CoilJobLayout(CoilCommand::Turns);
        case Command::Inductance:
            return CoilJobLayout(CoilCommand::Inductance);
        case Command::Analyze:
            return AnalyzeJobLayout();
        case Command::Bands:
            return BandsJobLayout();
        case Command::Pi:
            break;
    }
    return PiJobLayout();
}

}  // namespace tavilo::cli
