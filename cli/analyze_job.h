// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The analyze job: the pi job's design, then the analysis of the network it
// designed, from the very numbers the Calculate command produced.
#pragma once

#include "cli/caps_choice.h"
#include "cli/job.h"
#include "cli/network_report.h"
#include "cli/pi_job.h"
#include "platform/memory_window.h"

namespace tavilo::cli {

// The pi job's inputs and results, with the analysis after them.
const JobLayout& AnalyzeJobLayout();

class AnalyzeJob final : public Job {
  public:
    AnalyzeJob(platform::MemoryWindow::Responder q0Prompt, CapsChoice defaultCaps,
               AnalysisSettings settings);

    const JobLayout& Layout() const override { return AnalyzeJobLayout(); }
    std::optional<InputProblem> Run(std::span<const std::string> inputs,
                                    DesignRecord& record) override;

  private:
    PiJob design_;
    AnalysisSettings settings_;
};

}  // namespace tavilo::cli
