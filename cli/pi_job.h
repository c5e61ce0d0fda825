// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The pi-network job: the main window's Calculate command on an in-memory
// window, for one row of plate, antenna, Q0, frequency and capacitor type.
#pragma once

#include "cli/caps_choice.h"
#include "cli/job.h"
#include "platform/memory_window.h"

namespace tavilo::cli {

// Inputs and results, in the order Run takes and fills them.
enum PiInput : std::size_t { kPiPlate, kPiAntenna, kPiQ0, kPiFreq, kPiCaps, kPiInputCount };
enum PiResult : std::size_t { kPiQ0Result, kPiQ1, kPiQ2, kPiC1, kPiC2, kPiL, kPiResultCount };

const JobLayout& PiJobLayout();

class PiJob final : public Job {
  public:
    // The responder answers the Q0 prompt (OK goes on with the bound + 1).
    // defaultCaps stands for an empty capacitor input.
    PiJob(platform::MemoryWindow::Responder q0Prompt, CapsChoice defaultCaps);

    const JobLayout& Layout() const override { return PiJobLayout(); }
    std::optional<InputProblem> Run(std::span<const std::string> inputs,
                                    DesignRecord& record) override;

  private:
    // One window for every row: the command reads only the four input
    // controls, which each row sets, and overwrites every result control.
    platform::MemoryWindow window_;
    CapsChoice defaultCaps_;
};

}  // namespace tavilo::cli
