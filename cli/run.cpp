// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// One design from the options, or a batch; the exit status says how it went.
#include "cli/run.h"

#include <memory>

#include "cli/batch_run.h"
#include "cli/field_warning.h"
#include "cli/job_factory.h"
#include "cli/options.h"
#include "cli/output_writer.h"

namespace tavilo::cli {

namespace {

ExitStatus RunOneDesign(const Options& options, const Streams& streams) {
    const JobSpec& spec = SpecOf(options.command);
    for (std::size_t i = 0; i < spec.inputs.size(); ++i) {
        if (!spec.inputs[i].isFieldText) continue;
        if (const auto warning = TrailingCharactersWarning(options.inputs[i])) {
            streams.err << "tavilo-cli: warning: --" << spec.inputs[i].option << ' ' << *warning
                        << '\n';
        }
    }

    const bool ask = streams.terminal && !options.raiseQ;
    const std::unique_ptr<Job> job =
        MakeJob(options, MakeQ0Responder(options.raiseQ, ask ? &streams.in : nullptr, streams.err));
    DesignRecord record;
    if (const auto problem = job->Run(options.inputs, record)) {
        streams.err << "tavilo-cli: --" << spec.inputs[problem->input].option << ": "
                    << problem->message << '\n';
        return ExitStatus::Usage;
    }

    const auto writer =
        MakeOutputWriter(options.format.value_or(OutputFormat::Text), spec, streams.out, false);
    writer->Begin();
    writer->Write(1, options.inputs, record);
    if (!writer->Flush()) {
        streams.err << "tavilo-cli: cannot write to standard output\n";
        return ExitStatus::OutputFailed;
    }
    return record.status == DesignStatus::Designed ? ExitStatus::Success : ExitStatus::Q0TooLow;
}

}  // namespace

int RunCli(std::span<const std::string> args, const Streams& streams) {
    const CommandLine commandLine = ParseCommandLine(args);
    streams.out << commandLine.out;
    streams.err << commandLine.err;
    if (!commandLine.options) {
        streams.out.flush();
        return ToInt(commandLine.status);
    }
    const Options& options = *commandLine.options;
    return ToInt(options.batch ? RunBatch(options, streams) : RunOneDesign(options, streams));
}

}  // namespace tavilo::cli
