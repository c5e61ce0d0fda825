// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil jobs: the coil window's Calc. Turns and Calc. L commands on an
// in-memory window, for one row of inductance or turns, diameter and length.
#pragma once

#include "cli/job.h"
#include "platform/memory_window.h"

namespace tavilo::cli {

enum class CoilCommand {
    Turns,       // Calc. Turns: turns for an inductance
    Inductance,  // Calc. L: inductance of a number of turns
};

const JobLayout& CoilJobLayout(CoilCommand command);

class CoilJob final : public Job {
  public:
    explicit CoilJob(CoilCommand command) : command_(command) {}

    const JobLayout& Layout() const override { return CoilJobLayout(command_); }
    std::optional<InputProblem> Run(std::span<const std::string> inputs,
                                    DesignRecord& record) override;

  private:
    CoilCommand command_;
    platform::MemoryWindow window_;
};

}  // namespace tavilo::cli
