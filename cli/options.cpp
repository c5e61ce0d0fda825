// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The command line, read with CLI11.
#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <variant>

#include "cli/analysis_options.h"
#include "cli/bands_job.h"
#include "cli/help_text.h"
#include "cli/message_text.h"

#ifndef TAVILO_VERSION
#error "TAVILO_VERSION must be defined by the build"
#endif

namespace tavilo::cli {

namespace {

// CLI11's help with tavilo-cli's own synopsis lines.
class HelpFormatter final : public CLI::Formatter {
  public:
    std::string make_usage(const CLI::App* app, std::string) const override {
        if (app->get_parent() == nullptr) return ProgramUsage();
        for (const Command command : kCommands) {
            const JobLayout& layout = LayoutOf(command);
            if (app->get_name() == layout.command) return "Usage: " + CommandUsage(layout) + "\n";
        }
        return {};
    }
};

struct CommandOptions {
    Command command = Command::Pi;
    CLI::App* app = nullptr;
    std::vector<std::string> texts;
    std::vector<CLI::Option*> textOptions;  // null for the input that is not a field text
};

std::string UsageError(std::string_view where, std::string_view message) {
    return std::string(where) + ": " + std::string(message) + "\nRun '" + std::string(where) +
           " --help' for more information.\n";
}

// The option is one of the command's and was given.
bool Given(const CLI::App& app, const std::string& name) {
    const CLI::Option* option = app.get_option_no_throw(name);
    return option != nullptr && option->count() > 0;
}

// "pi, analyze, bands, turns and inductance".
std::string CommandNames() {
    std::string names;
    for (std::size_t c = 0; c < kCommands.size(); ++c) {
        if (c > 0) names += c + 1 == kCommands.size() ? " and " : ", ";
        names += LayoutOf(kCommands[c]).command;
    }
    return names;
}

// A validator whose message says what the option takes and quotes what it
// was given. It has no name, so that the help shows the type name only.
CLI::Validator TakesOnly(bool (*accepts)(const std::string&), std::string takes) {
    return CLI::Validator(
        [accepts, takes = std::move(takes)](const std::string& text) {
            return accepts(text) ? std::string{}
                                 : "takes " + takes + ", not " + QuotedForMessage(text);
        },
        "");
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string> args) {
    CLI::App app{ProgramDescription(), "tavilo-cli"};
    app.formatter(std::make_shared<HelpFormatter>());
    app.get_formatter()->column_width(28);
    // Not "Options": help2man would put everything after that heading into
    // the man page's OPTIONS section.
    app.set_help_flag("-h,--help", "Print this help and exit")->group("General options");
    app.set_version_flag("--version", std::string("tavilo-cli ") + TAVILO_VERSION,
                         "Print the version and exit")
        ->group("General options");
    app.require_subcommand(1);

    // One set of targets serves every command: only one of them is parsed.
    std::string batch;
    std::string format;
    std::string caps;
    bool raiseQ = false;
    std::string frequencies;
    std::string power;
    std::string spuriousLimit;
    std::string plot;

    const CLI::Validator capsCheck =
        TakesOnly([](const std::string& text) { return ParseCapsChoice(text).has_value(); },
                  "air, vacuum or a number of pF");
    const CLI::Validator formatCheck = TakesOnly(
        [](const std::string& text) { return text == "text" || text == "csv" || text == "json"; },
        "text, csv or json");
    const CLI::Validator powerCheck =
        TakesOnly([](const std::string& text) { return ParsePowerWatts(text).has_value(); },
                  "a power in watts above 0");
    const CLI::Validator limitCheck =
        TakesOnly([](const std::string& text) { return ParseSpuriousLimit(text).has_value(); },
                  "auto or a number of dB (0 or more)");

    std::array<CommandOptions, kCommands.size()> commands;
    for (std::size_t c = 0; c < kCommands.size(); ++c) {
        CommandOptions& command = commands[c];
        command.command = kCommands[c];
        const JobLayout& layout = LayoutOf(command.command);
        command.app =
            app.add_subcommand(std::string(layout.command), CommandDescription(command.command));
        command.texts.resize(layout.inputs.size());
        command.textOptions.resize(layout.inputs.size(), nullptr);

        for (std::size_t i = 0; i < layout.inputs.size(); ++i) {
            const InputField& input = layout.inputs[i];
            const std::string name = "--" + std::string(input.option);
            switch (input.kind) {
                case InputKind::FieldText:
                    command.textOptions[i] =
                        command.app->add_option(name, command.texts[i], InputHelp(input))
                            ->type_name("T");
                    break;
                case InputKind::CapsChoice:
                    command.app->add_option(name, caps, InputHelp(input))
                        ->type_name("air|vacuum|PF")
                        ->check(capsCheck);
                    break;
                case InputKind::FieldTextList:
                    command.app->add_option(name, frequencies, InputHelp(input))->type_name("LIST");
                    break;
            }
        }
        if (layout.hasQ0Bound) command.app->add_flag("--raise-q", raiseQ, std::string(kRaiseQHelp));
        if (layout.supplement == Supplement::NetworkAnalysis) {
            command.app->add_option("--power", power, std::string(kPowerHelp))
                ->type_name("W")
                ->check(powerCheck);
            command.app->add_option("--spurious-limit", spuriousLimit, std::string(kLimitHelp))
                ->type_name("DB|auto")
                ->check(limitCheck);
            command.app->add_option("--plot", plot, std::string(kPlotHelp))->type_name("FILE.svg");
        }
        if (layout.takesBatch) {
            command.app->add_option("--batch", batch, std::string(kBatchHelp))->type_name("FILE");
        }
        command.app->add_option("--format", format, std::string(kFormatHelp))
            ->type_name("text|csv|json")
            ->check(formatCheck);
        command.app->footer(CommandFooter(layout));
    }
    app.footer(ProgramFooter());

    CommandLine result;
    // CLI11 would only say that a subcommand is required.
    if (args.size() > 1 && !args[1].starts_with('-') &&
        std::none_of(kCommands.begin(), kCommands.end(),
                     [&](Command c) { return LayoutOf(c).command == args[1]; })) {
        result.status = ExitStatus::Usage;
        result.err = UsageError("tavilo-cli", "unknown command " + QuotedForMessage(args[1]) +
                                                  "; the commands are " + CommandNames());
        return result;
    }
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::CallForHelp&) {
        result.out = app.help();
        return result;
    } catch (const CLI::CallForVersion& version) {
        result.out = std::string(version.what()) + "\n";
        return result;
    } catch (const CLI::ParseError& error) {
        result.status = ExitStatus::Usage;
        result.err = UsageError("tavilo-cli", error.what());
        return result;
    }

    for (CommandOptions& command : commands) {
        if (!command.app->parsed()) continue;
        const JobLayout& layout = LayoutOf(command.command);
        const std::string where = "tavilo-cli " + std::string(layout.command);
        const bool isBatch = Given(*command.app, "--batch");

        // A batch takes its values from the file; one design needs them all.
        std::string misplaced;
        std::string missing;
        for (const CLI::Option* option : command.textOptions) {
            if (option == nullptr) continue;
            std::string& list = isBatch ? misplaced : missing;
            if ((option->count() > 0) == isBatch) {
                list += (list.empty() ? "" : ", ") + option->get_name();
            }
        }
        const auto usage = [&](std::string_view message) {
            result.status = ExitStatus::Usage;
            result.err = UsageError(where, message);
            return result;
        };
        if (!misplaced.empty()) {
            return usage(misplaced +
                         " cannot be given with --batch, which takes the values from the file");
        }
        if (!missing.empty()) {
            return usage("missing " + missing + (layout.takesBatch ? " (or --batch FILE)" : ""));
        }
        const bool hasPower = Given(*command.app, "--power");
        const bool hasLimit = Given(*command.app, "--spurious-limit");
        const bool hasPlot = Given(*command.app, "--plot");
        std::optional<SpuriousLimitChoice> limit;
        if (hasLimit) limit = ParseSpuriousLimit(spuriousLimit);
        if (limit && limit->fromPower && !hasPower) {
            return usage("--spurious-limit auto needs --power W: the limit is 43 + 10 log10(P) dB");
        }
        if (hasPlot && isBatch) {
            return usage("--plot cannot be given with --batch: a plot shows one design");
        }
        if (hasPlot && plot.empty()) return usage("--plot needs a file name");

        Options options;
        options.command = command.command;
        if (hasPower) options.analysis.antennaWatts = ParsePowerWatts(power);
        options.analysis.spuriousLimit = limit;
        if (hasPlot) options.plotPath = plot;
        if (command.command == Command::Bands) {
            if (!Given(*command.app, "--freqs")) {
                options.frequencies.assign(kBandCentresMhz.begin(), kBandCentresMhz.end());
            } else {
                auto split = SplitFrequencyList(frequencies);
                if (const auto* problem = std::get_if<FrequencyListProblem>(&split)) {
                    return usage("--freqs: " + problem->message);
                }
                options.frequencies = std::get<std::vector<std::string>>(std::move(split));
            }
        }
        options.raiseQ = raiseQ;
        options.caps = ParseCapsChoice(caps).value_or(CapsChoice{});
        if (!format.empty()) {
            static const std::map<std::string, OutputFormat> kFormats{{"text", OutputFormat::Text},
                                                                      {"csv", OutputFormat::Csv},
                                                                      {"json", OutputFormat::Json}};
            options.format = kFormats.at(format);
        }
        if (isBatch) {
            options.batch = batch;
        } else {
            options.inputs = command.texts;
            // The capacitor choice is not a field text; a list stands in for
            // one field text at a time.
            for (std::size_t i = 0; i < layout.inputs.size(); ++i) {
                if (layout.inputs[i].kind == InputKind::CapsChoice) options.inputs[i] = caps;
            }
        }
        result.options = std::move(options);
    }
    return result;
}

}  // namespace tavilo::cli
