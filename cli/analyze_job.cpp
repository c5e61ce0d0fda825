// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The analyze job.
#include "cli/analyze_job.h"

#include <utility>

namespace tavilo::cli {

const JobLayout& AnalyzeJobLayout() {
    static const JobLayout layout{"analyze",
                                  "Pi network",
                                  PiJobLayout().inputs,
                                  PiJobLayout().results,
                                  true,
                                  Supplement::NetworkAnalysis};
    return layout;
}

AnalyzeJob::AnalyzeJob(platform::MemoryWindow::Responder q0Prompt, CapsChoice defaultCaps,
                       AnalysisSettings settings)
    : design_(std::move(q0Prompt), defaultCaps), settings_(settings) {}

std::optional<InputProblem> AnalyzeJob::Run(std::span<const std::string> inputs,
                                            DesignRecord& record) {
    record.analysis.reset();
    if (auto problem = design_.Run(inputs, record)) return problem;
    if (record.status == DesignStatus::Designed) {
        record.analysis = ReportOnNetwork(record.network, settings_);
    }
    return std::nullopt;
}

}  // namespace tavilo::cli
