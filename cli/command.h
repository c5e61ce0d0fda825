// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The three commands of tavilo-cli and the job description of each.
#pragma once

#include <array>

#include "cli/job.h"

namespace tavilo::cli {

enum class Command { Pi, Turns, Inductance };

inline constexpr std::array<Command, 3> kCommands{Command::Pi, Command::Turns, Command::Inductance};

const JobSpec& SpecOf(Command command);

}  // namespace tavilo::cli
