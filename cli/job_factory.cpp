// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Jobs and Q0 answers.
#include "cli/job_factory.h"

#include <optional>
#include <string>
#include <utility>

#include "cli/analyze_job.h"
#include "cli/coil_job.h"
#include "cli/pi_job.h"

namespace tavilo::cli {

platform::MemoryWindow::Responder AnswerOnce(platform::MemoryWindow::Responder responder) {
    return [responder = std::move(responder),
            answer = std::optional<int>()](const platform::ShownMessage& message) mutable {
        if (!answer) answer = responder(message);
        return *answer;
    };
}

platform::MemoryWindow::Responder MakeQ0Responder(bool raiseQ, std::istream* terminal,
                                                  std::ostream& err) {
    if (raiseQ) return [](const platform::ShownMessage&) { return platform::IDOK; };
    if (terminal == nullptr)
        return [](const platform::ShownMessage&) { return platform::IDCANCEL; };
    return [terminal, &err](const platform::ShownMessage& message) {
        err << message.caption << ": " << message.text << " [y/N] " << std::flush;
        std::string answer;
        if (!std::getline(*terminal, answer)) {
            err << '\n';
            return platform::IDCANCEL;
        }
        return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes"
                   ? platform::IDOK
                   : platform::IDCANCEL;
    };
}

std::unique_ptr<Job> MakeJob(const Options& options, platform::MemoryWindow::Responder q0Prompt) {
    switch (options.command) {
        case Command::Turns:
            return std::make_unique<CoilJob>(CoilCommand::Turns);
        case Command::Inductance:
            return std::make_unique<CoilJob>(CoilCommand::Inductance);
        case Command::Analyze:
            return std::make_unique<AnalyzeJob>(std::move(q0Prompt), options.caps,
                                                options.analysis);
        case Command::Pi:
        case Command::Bands:  // the pi job, once for each frequency
            break;
    }
    return std::make_unique<PiJob>(std::move(q0Prompt), options.caps);
}

}  // namespace tavilo::cli
