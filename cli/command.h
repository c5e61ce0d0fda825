// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The commands of tavilo-cli and the job description of each.
#pragma once

#include <array>

#include "cli/job.h"

namespace tavilo::cli {

enum class Command { Pi, Analyze, Bands, Turns, Inductance };

// In the order --help lists them.
inline constexpr std::array<Command, 5> kCommands{Command::Pi, Command::Analyze, Command::Bands,
                                                  Command::Turns, Command::Inductance};

const JobLayout& LayoutOf(Command command);

}  // namespace tavilo::cli
