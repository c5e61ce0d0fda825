// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Commands and their jobs.
#include "cli/command.h"

#include "cli/analyze_job.h"
#include "cli/bands_job.h"
#include "cli/coil_job.h"
#include "cli/pi_job.h"

namespace tavilo::cli {

const JobSpec& SpecOf(Command command) {
    switch (command) {
        case Command::Turns:
            return CoilJobSpec(CoilCommand::Turns);
        case Command::Inductance:
            return CoilJobSpec(CoilCommand::Inductance);
        case Command::Analyze:
            return AnalyzeJobSpec();
        case Command::Bands:
            return BandsJobSpec();
        case Command::Pi:
            break;
    }
    return PiJobSpec();
}

}  // namespace tavilo::cli
