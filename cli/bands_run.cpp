// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The bands run: the pi job for every frequency, on one in-memory window.
#include "cli/bands_run.h"

#include <memory>

#include "cli/field_warning.h"
#include "cli/job_factory.h"
#include "cli/output_writer.h"
#include "cli/pi_job.h"

namespace tavilo::cli {

ExitStatus RunBands(const Options& options, const Streams& streams) {
    const JobLayout& layout = LayoutOf(Command::Bands);
    WarnAboutFieldTexts(layout, options.inputs, streams.err);
    for (std::size_t i = 0; i < options.frequencies.size(); ++i) {
        if (const auto warning = TrailingCharactersWarning(options.frequencies[i])) {
            streams.err << "tavilo-cli: warning: --freqs entry " << i + 1 << ' ' << *warning
                        << '\n';
        }
    }

    // The bound of Q0 depends on the impedances alone, so every row meets the
    // same prompt: a terminal is asked once, and its answer holds for all.
    const bool ask = streams.terminal && !options.raiseQ;
    const std::unique_ptr<Job> job = MakeJob(
        options,
        AnswerOnce(MakeQ0Responder(options.raiseQ, ask ? &streams.in : nullptr, streams.err)));
    const auto writer =
        MakeOutputWriter(options.format.value_or(OutputFormat::Text), layout, streams.out, true);

    writer->Begin();
    std::vector<std::string> inputs = options.inputs;
    DesignRecord record;
    std::size_t undesigned = 0;
    for (std::size_t i = 0; i < options.frequencies.size(); ++i) {
        inputs[kPiFreq] = options.frequencies[i];
        // The capacitor choice was checked with the command line.
        if (const auto problem = job->Run(inputs, record)) {
            streams.err << "tavilo-cli: --" << layout.inputs[problem->input].option << ": "
                        << problem->message << '\n';
            return ExitStatus::Usage;
        }
        writer->Write(i + 1, inputs, record);
        if (record.status != DesignStatus::Designed) ++undesigned;
    }
    writer->End();
    if (!writer->Flush()) {
        streams.err << "tavilo-cli: cannot write to standard output\n";
        return ExitStatus::OutputFailed;
    }
    return undesigned > 0 ? ExitStatus::Q0TooLow : ExitStatus::Success;
}

}  // namespace tavilo::cli
