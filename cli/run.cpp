// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// One design from the options, a batch, or the band table; the exit status
// says how it went.
#include "cli/run.h"

#include <memory>

#include "cli/bands_run.h"
#include "cli/batch_run.h"
#include "cli/field_warning.h"
#include "cli/job_factory.h"
#include "cli/options.h"
#include "cli/output_writer.h"
#include "cli/plot_file.h"

namespace tavilo::cli {

namespace {

ExitStatus RunOneDesign(const Options& options, const Streams& streams) {
    const JobLayout& layout = LayoutOf(options.command);
    WarnAboutFieldTexts(layout, options.inputs, streams.err);

    const bool ask = streams.terminal && !options.raiseQ;
    const std::unique_ptr<Job> job =
        MakeJob(options, MakeQ0Responder(options.raiseQ, ask ? &streams.in : nullptr, streams.err));
    DesignRecord record;
    if (const auto problem = job->Run(options.inputs, record)) {
        streams.err << "tavilo-cli: --" << layout.inputs[problem->input].option << ": "
                    << problem->message << '\n';
        return ExitStatus::Usage;
    }

    const auto writer =
        MakeOutputWriter(options.format.value_or(OutputFormat::Text), layout, streams.out, false);
    writer->Begin();
    writer->Write(1, options.inputs, record);
    writer->End();
    if (!writer->Flush()) {
        streams.err << "tavilo-cli: cannot write to standard output\n";
        return ExitStatus::OutputFailed;
    }
    const bool designed = record.status == DesignStatus::Designed;

    if (options.plotPath) {
        if (!designed) {
            streams.err << "tavilo-cli: no plot written to " << *options.plotPath
                        << ": the design was not made\n";
        } else if (const auto problem = WritePlotFile(*options.plotPath, record.network,
                                                      options.analysis.antennaWatts)) {
            streams.err << "tavilo-cli: --plot " << *options.plotPath
                        << ": cannot write the plot: " << *problem << '\n';
            return ExitStatus::OutputFailed;
        }
    }
    return designed ? ExitStatus::Success : ExitStatus::Q0TooLow;
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
    if (options.command == Command::Bands) return ToInt(RunBands(options, streams));
    return ToInt(options.batch ? RunBatch(options, streams) : RunOneDesign(options, streams));
}

}  // namespace tavilo::cli
