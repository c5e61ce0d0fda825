// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Fuzzes the Calculate command and the two coil commands on in-memory
// windows: any texts in every field, any answer to the Q0 prompt, commands in
// any order. After each command the windows must hold exactly what its rules
// allow: the texts it writes in "%f" form, every other text as it was.
//
// Input layout (FuzzedDataProvider): from the front, the texts typed into the
// nine main fields and then the five coil fields, in binding order, each ended
// by a backslash and another character ("\\" stands for one backslash); from
// the back, one byte per action (see Action) and the bytes that actions need.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/field_text.h"
#include "platform/memory_window.h"
#include "ui/calculate_command.h"
#include "ui/coil_commands.h"
#include "ui/inductor_form.h"
#include "ui/pi_network_form.h"

namespace tavilo::fuzz {
namespace {

using platform::ExchangeDirection;
using platform::IDCANCEL;
using platform::IDOK;
using platform::MemoryWindow;
using ui::InductorForm;
using ui::PiNetworkForm;

enum class Action : std::uint8_t {
    TypeMain,    // one main field gets a new text
    TypeCoil,    // one coil field gets a new text
    AirCaps,     // "Air Var. Caps"
    VacuumCaps,  // "Vacuum Var. Caps"
    Calculate,   // ">> CALCULATE >>", the prompt answered from the input
    CalcTurns,   // "Calc. Turns"
    CalcL,       // "Calc. L"
    ReopenCoil,  // close the coil window and open it again from the main one
    kMaxValue = ReopenCoil,
};

constexpr int kMaxActions = 24;

template <class Form, std::size_t N>
using Bindings = std::array<platform::FieldBinding<Form>, N>;

template <class Form, std::size_t N>
std::vector<std::string> Texts(const MemoryWindow& window, const Bindings<Form, N>& bindings) {
    std::vector<std::string> texts;
    for (const auto& binding : bindings) texts.push_back(window.ControlText(binding.control));
    return texts;
}

// The window holds texts for bound controls only, and the form holds what
// the window shows (every command ends with an exchange or with none at all
// after its first one).
template <class Form, std::size_t N>
void CheckFormMatchesWindow(const MemoryWindow& window, const Form& form,
                            const Bindings<Form, N>& bindings) {
    for (const auto& [id, text] : window.ControlTexts()) {
        bool bound = false;
        for (const auto& binding : bindings) bound = bound || binding.control == id;
        Check(bound, "a command wrote a control that is not bound", text);
    }
    for (const auto& binding : bindings) {
        Check(form.*binding.field == window.ControlText(binding.control),
              "form and window disagree", form.*binding.field);
    }
}

// Field indexes in the binding lists.
constexpr std::size_t kMainAntenna = 0, kMainPlate = 1, kMainQ0 = 2, kMainL = 7, kMainFreq = 8;
constexpr std::size_t kCoilL = 0, kCoilDiameter = 1, kCoilLength = 2, kCoilTurns = 3,
                      kCoilSpacing = 4;

class Session {
  public:
    explicit Session(FuzzedDataProvider& input) : input_(input) {
        // The main window as its prepare step leaves it, then the user's texts.
        main_.ApplyPrepareDefaults();
        ui::ExchangeFields(mainWindow_, main_, ExchangeDirection::FieldsToControls);
        for (const auto& binding : ui::kPiNetworkBindings) {
            mainWindow_.SetControlText(binding.control, input_.ConsumeRandomLengthString());
        }
        ui::PrepareInductorForm(coil_, main_, coilWindow_);
        for (const auto& binding : ui::kInductorBindings) {
            coilWindow_.SetControlText(binding.control, input_.ConsumeRandomLengthString());
        }
        mainWindow_.SetResponder([this](const platform::ShownMessage&) { return Answer(); });
    }

    void Run() {
        for (int i = 0; i < kMaxActions && input_.remaining_bytes() > 0; ++i) {
            const auto mainBefore = Texts(mainWindow_, ui::kPiNetworkBindings);
            const auto coilBefore = Texts(coilWindow_, ui::kInductorBindings);
            const Action action = input_.ConsumeEnum<Action>();
            switch (action) {
                case Action::TypeMain:
                    Type(mainWindow_, ui::kPiNetworkBindings);
                    break;
                case Action::TypeCoil:
                    Type(coilWindow_, ui::kInductorBindings);
                    break;
                case Action::AirCaps:
                    main_.OnAirCaps();
                    break;
                case Action::VacuumCaps:
                    main_.OnVacuumCaps();
                    break;
                case Action::Calculate:
                    Calculate(mainBefore);
                    break;
                case Action::CalcTurns:
                    CalcTurns(coilBefore);
                    break;
                case Action::CalcL:
                    CalcL(coilBefore);
                    break;
                case Action::ReopenCoil:
                    ReopenCoil(mainBefore);
                    break;
            }
            // No command reaches into the other window.
            if (action != Action::TypeMain && action != Action::Calculate) {
                Check(Texts(mainWindow_, ui::kPiNetworkBindings) == mainBefore,
                      "main window changed by a coil action");
            }
            if (action == Action::Calculate || action == Action::AirCaps ||
                action == Action::VacuumCaps) {
                Check(Texts(coilWindow_, ui::kInductorBindings) == coilBefore,
                      "coil window changed by a main-window command");
            }
            Check(coilWindow_.ShownMessages().empty(), "the coil window showed a message box");
        }
    }

  private:
    int Answer() {
        switch (input_.ConsumeIntegralInRange<int>(0, 2)) {
            case 0:
                return IDOK;
            case 1:
                return IDCANCEL;
            default:
                return input_.ConsumeIntegral<int>();  // any other code
        }
    }

    template <class Form, std::size_t N>
    void Type(MemoryWindow& window, const Bindings<Form, N>& bindings) {
        const auto index = input_.ConsumeIntegralInRange<std::size_t>(0, N - 1);
        window.SetControlText(bindings[index].control, input_.ConsumeRandomLengthString());
    }

    void Calculate(const std::vector<std::string>& before) {
        mainWindow_.ClearShownMessages();
        const ui::CalculateOutcome outcome = ui::OnCalculate(main_, mainWindow_);
        const auto after = Texts(mainWindow_, ui::kPiNetworkBindings);

        // The prompt comes exactly when the bound sqrt(R1/R2 - 1) is not
        // below Q0, as an ordered comparison (a NaN never prompts).
        const double plate = platform::ParseField(before[kMainPlate]);
        const double antenna = platform::ParseField(before[kMainAntenna]);
        const double q0 = platform::ParseField(before[kMainQ0]);
        const double bound = std::sqrt(plate / antenna - 1.0);
        const bool prompt = bound >= q0;
        const auto& shown = mainWindow_.ShownMessages();
        Check(shown.size() == (prompt ? 1u : 0u), "Q0 prompt shown when it should not be or not");
        Check(outcome.prompted == prompt, "outcome misreports the prompt");
        bool cancelled = false;
        if (prompt) {
            const platform::ShownMessage& box = shown.front();
            Check(box.text ==
                      "Q0 Must be > " + ReferencePercentF(bound) + ".  Continue with new value?",
                  "prompt text", box.text);
            Check(box.caption == "Improper input", "prompt caption", box.caption);
            Check(box.style == 0x11, "prompt style");
            cancelled = box.answer != IDOK;
        }
        Check(outcome.designed == !cancelled, "outcome misreports the design");

        if (cancelled) {
            Check(after == before, "a cancelled Calculate changed the window");
        } else {
            for (const std::size_t input : {kMainAntenna, kMainPlate, kMainFreq}) {
                Check(after[input] == before[input], "an input text changed", after[input]);
            }
            const ui::PiNetworkShown& values = outcome.shown;
            const std::array<std::pair<const std::string*, double>, 6> results{{
                {&main_.q0, values.q0},
                {&main_.q1, values.q1},
                {&main_.q2, values.q2},
                {&main_.c1, values.c1Pf},
                {&main_.c2, values.c2Pf},
                {&main_.l, values.lUh},
            }};
            for (const auto& [text, value] : results) {
                Check(IsPercentFText(*text), "a result is not %f-shaped", *text);
                Check(*text == ReferencePercentF(value), "a result is not the %f of its value",
                      *text);
            }
        }
        CheckFormMatchesWindow(mainWindow_, main_, ui::kPiNetworkBindings);
    }

    // Each coil command writes its two outputs and gives back the other three
    // texts exactly as typed.
    void CheckCoilCommand(const std::vector<std::string>& before, std::size_t output,
                          const ui::CoilOutcome& outcome) {
        const auto after = Texts(coilWindow_, ui::kInductorBindings);
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (i == output || i == kCoilSpacing) continue;
            Check(after[i] == before[i], "a coil text the command does not write changed",
                  after[i]);
        }
        Check(IsPercentFText(after[output]), "coil output is not %f-shaped", after[output]);
        Check(after[output] == ReferencePercentF(outcome.value), "coil output is not its %f",
              after[output]);
        Check(IsPercentFText(after[kCoilSpacing]), "spacing is not %f-shaped", after[kCoilSpacing]);
        Check(after[kCoilSpacing] == ReferencePercentF(outcome.spacing), "spacing is not its %f",
              after[kCoilSpacing]);
        CheckFormMatchesWindow(coilWindow_, coil_, ui::kInductorBindings);
    }

    void CalcTurns(const std::vector<std::string>& before) {
        CheckCoilCommand(before, kCoilTurns, ui::OnCalcTurns(coil_, coilWindow_));
    }

    void CalcL(const std::vector<std::string>& before) {
        CheckCoilCommand(before, kCoilL, ui::OnCalcL(coil_, coilWindow_));
    }

    // The coil window opens with the main window's L text as it stands and
    // the other four fields empty.
    void ReopenCoil(const std::vector<std::string>& mainBefore) {
        ui::ExchangeFields(mainWindow_, main_, ExchangeDirection::ControlsToFields);
        coilWindow_ = MemoryWindow{};
        coil_ = InductorForm{};
        ui::PrepareInductorForm(coil_, main_, coilWindow_);
        const auto coilTexts = Texts(coilWindow_, ui::kInductorBindings);
        Check(coilTexts[kCoilL] == mainBefore[kMainL], "coil window did not open with the main L",
              coilTexts[kCoilL]);
        for (const std::size_t i : {kCoilDiameter, kCoilLength, kCoilTurns, kCoilSpacing}) {
            Check(coilTexts[i].empty(), "coil window opened with a non-empty field", coilTexts[i]);
        }
    }

    FuzzedDataProvider& input_;
    MemoryWindow mainWindow_;
    PiNetworkForm main_;
    MemoryWindow coilWindow_;
    InductorForm coil_;
};

}  // namespace
}  // namespace tavilo::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tavilo::fuzz::UseCommaDecimalLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    tavilo::fuzz::Session session(input);
    session.Run();
    return 0;
}
