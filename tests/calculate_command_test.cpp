// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The Calculate command on the in-memory window: typed texts in, "%f" texts
// out, and the Q0 prompt answered both ways.
#include "ui/calculate_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

#include "form_fixture.h"
#include "locale_guard.h"
#include "res/resource_ids.h"
#include "ui/pi_network_form.h"

namespace tavilo::ui {
namespace {

using platform::ExchangeDirection;
using platform::IDCANCEL;
using platform::IDOK;
using testing::IsNanText;

enum class Caps { Air, Vacuum };

class CalculateCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        form.ApplyPrepareDefaults();
        ExchangeFields(window, form, ExchangeDirection::FieldsToControls);
    }

    void Type(const std::string& plate, const std::string& antenna, const std::string& q0,
              const std::string& freq) {
        window.SetControlText(res::IDC_PLATE_Z, plate);
        window.SetControlText(res::IDC_ANTENNA_Z, antenna);
        window.SetControlText(res::IDC_Q0, q0);
        window.SetControlText(res::IDC_FREQ, freq);
    }

    std::string Shown(int id) const { return window.ControlText(id); }

    std::vector<std::string> Results() const {
        return {Shown(res::IDC_Q0), Shown(res::IDC_Q1), Shown(res::IDC_Q2),
                Shown(res::IDC_C1), Shown(res::IDC_C2), Shown(res::IDC_L)};
    }

    platform::MemoryWindow window;
    PiNetworkForm form;
};

TEST_F(CalculateCommand, FreshFormShowsItsDefaults) {
    EXPECT_EQ(Shown(res::IDC_ANTENNA_Z), "50");
    EXPECT_EQ(Shown(res::IDC_Q0), "12");
    for (const int id : {res::IDC_PLATE_Z, res::IDC_FREQ, res::IDC_Q1, res::IDC_Q2, res::IDC_C1,
                         res::IDC_C2, res::IDC_L}) {
        EXPECT_EQ(Shown(id), "") << id;
    }
    EXPECT_EQ(form.capMinPf, kAirCapMinPf);
}

struct DesignCase {
    const char* name;
    const char* plate;
    const char* antenna;
    const char* q0;
    const char* freq;
    Caps caps;
    std::vector<std::string> results;  // q0, q1, q2, c1, c2, l
    bool minimumC1 = false;            // C1 held at the capacitor's minimum
    friend void PrintTo(const DesignCase& c, std::ostream* os) { *os << c.name; }
};

class Designs : public CalculateCommand, public ::testing::WithParamInterface<DesignCase> {};

TEST_P(Designs, ShowTheResultTextsAndKeepTheTypedInputs) {
    const DesignCase& c = GetParam();
    if (c.caps == Caps::Vacuum) form.OnVacuumCaps();
    Type(c.plate, c.antenna, c.q0, c.freq);

    const CalculateOutcome outcome = OnCalculate(form, window);

    EXPECT_TRUE(outcome.designed);
    EXPECT_FALSE(outcome.prompted);
    EXPECT_TRUE(window.ShownMessages().empty());
    EXPECT_EQ(Results(), c.results);
    EXPECT_EQ(outcome.minimumC1Path, c.minimumC1);
    EXPECT_EQ(Shown(res::IDC_PLATE_Z), c.plate);
    EXPECT_EQ(Shown(res::IDC_ANTENNA_Z), c.antenna);
    EXPECT_EQ(Shown(res::IDC_FREQ), c.freq);
}

const std::vector<std::string> k3_5MHz = {"12.000000",  "11.436203",  "0.563797",
                                          "104.007327", "512.749258", "20.702922"};

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Designs,
    ::testing::Values(
        DesignCase{"standard_1MHz",
                   "100",
                   "20",
                   "4",
                   "1",
                   Caps::Air,
                   {"4.000000", "3.000000", "1.000000", "4774.648374", "7957.747290", "6.366198"}},
        DesignCase{"plate_below_antenna",
                   "20",
                   "100",
                   "4",
                   "1",
                   Caps::Air,
                   {"4.000000", "1.000000", "3.000000", "7957.747290", "4774.648374", "6.366198"}},
        DesignCase{"air_minimum_raises_q0",
                   "5000",
                   "50",
                   "12",
                   "30",
                   Caps::Air,
                   {"46.534285", "42.411500", "4.122785", "45.000000", "437.441047", "0.685857"},
                   true},
        DesignCase{"vacuum_minimum_raises_q0",
                   "5000",
                   "50",
                   "12",
                   "30",
                   Caps::Vacuum,
                   {"36.131756", "32.986722", "3.145034", "35.000000", "333.698471", "0.879996"},
                   true},
        DesignCase{"air_at_3_5MHz", "5000", "50", "12", "3.5", Caps::Air, k3_5MHz},
        DesignCase{"vacuum_at_3_5MHz", "5000", "50", "12", "3.5", Caps::Vacuum, k3_5MHz},
        DesignCase{"trailing_text_is_ignored", "5000 ohms", "50R", "12.0", "3.5MHz", Caps::Air,
                   k3_5MHz},
        DesignCase{"no_frequency",
                   "100",
                   "20",
                   "4",
                   "",
                   Caps::Air,
                   {"4.000000", "3.000000", "1.000000", "inf", "inf", "inf"}}),
    [](const ::testing::TestParamInfo<DesignCase>& test) { return test.param.name; });

// The outcome carries the numbers the solver worked with, so that a caller
// can analyse the very network shown without converting the texts back.
TEST_F(CalculateCommand, OutcomeCarriesTheSolverInputsAndTheDesignBehindTheTexts) {
    form.OnVacuumCaps();
    Type("5000", "50", "1", "3.5");
    window.ScriptAnswers({IDOK});  // the bound is sqrt(99): Q0 becomes sqrt(99) + 1

    const CalculateOutcome outcome = OnCalculate(form, window);

    ASSERT_TRUE(outcome.designed);
    EXPECT_EQ(outcome.solved.plateOhms, 5000.0);
    EXPECT_EQ(outcome.solved.antennaOhms, 50.0);
    EXPECT_EQ(outcome.solved.loadedQ, 1.0 + std::sqrt(99.0));
    EXPECT_EQ(outcome.solved.frequencyHz, 3500000.0);
    EXPECT_EQ(outcome.solved.minC1Farads, 35 * 1e-12);
    EXPECT_FALSE(outcome.minimumC1Path);
    EXPECT_EQ(outcome.design.loadedQ, outcome.shown.q0);
    EXPECT_EQ(outcome.design.c1Farads * 1e12, outcome.shown.c1Pf);
    EXPECT_EQ(outcome.design.c2Farads * 1e12, outcome.shown.c2Pf);
    EXPECT_EQ(outcome.design.lHenries * 1e6, outcome.shown.lUh);
    char text[64];
    std::snprintf(text, sizeof text, "%f", outcome.design.lHenries * 1e6);
    EXPECT_EQ(Shown(res::IDC_L), text);
}

TEST_F(CalculateCommand, UnreadableImpedancesGiveNaNResultsWithoutAPrompt) {
    // "5k" reads as 5 ohms, below the antenna: the bound is NaN, so no prompt.
    for (const char* plate : {"", "5k"}) {
        Type(plate, "50", "12", "3.5");
        const CalculateOutcome outcome = OnCalculate(form, window);
        EXPECT_FALSE(outcome.prompted);
        EXPECT_EQ(Shown(res::IDC_Q0), "12.000000");
        EXPECT_EQ(Shown(res::IDC_PLATE_Z), plate);
    }
    // Equal impedances: Q1 is NaN and so is everything after it.
    Type("50", "50", "12", "1");
    OnCalculate(form, window);
    EXPECT_EQ(Shown(res::IDC_Q0), "12.000000");
    for (const int id : {res::IDC_Q1, res::IDC_Q2, res::IDC_C1, res::IDC_C2, res::IDC_L}) {
        EXPECT_THAT(Shown(id), IsNanText()) << id;
    }
}

TEST_F(CalculateCommand, PromptAnsweredOkContinuesWithTheBoundPlusOne) {
    Type("100", "20", "1", "1");
    window.ScriptAnswers({IDOK});

    const CalculateOutcome outcome = OnCalculate(form, window);

    ASSERT_EQ(window.ShownMessages().size(), 1u);
    const platform::ShownMessage& prompt = window.ShownMessages()[0];
    EXPECT_EQ(prompt.text, "Q0 Must be > 2.000000.  Continue with new value?");
    EXPECT_EQ(prompt.caption, "Improper input");
    EXPECT_EQ(prompt.style, platform::MB_OKCANCEL | platform::MB_ICONSTOP);
    EXPECT_EQ(prompt.style, 0x11u);
    EXPECT_TRUE(outcome.designed);
    EXPECT_EQ(outcome.q0Bound, 2.0);
    EXPECT_EQ(Results(), (std::vector<std::string>{"3.000000", "2.403709", "0.596291",
                                                   "3825.621435", "4745.134695", "7.044523"}));
}

TEST_F(CalculateCommand, PromptAnsweredCancelLeavesEveryTextAsItWas) {
    Type("100", "20", "4", "1");
    OnCalculate(form, window);
    window.SetControlText(res::IDC_Q0, "2");  // exactly on the bound: prompts too
    window.SetControlText(res::IDC_L, "typed by hand");
    const auto before = window.ControlTexts();

    window.ScriptAnswers({IDCANCEL});
    const CalculateOutcome outcome = OnCalculate(form, window);

    EXPECT_FALSE(outcome.designed);
    ASSERT_EQ(window.ShownMessages().size(), 1u);
    EXPECT_EQ(window.ShownMessages()[0].text, "Q0 Must be > 2.000000.  Continue with new value?");
    EXPECT_EQ(window.ControlTexts(), before);
    EXPECT_EQ(form.q0, "2");  // the form holds what the controls held
}

TEST_F(CalculateCommand, MissingAntennaPromptsWithAnInfiniteBound) {
    Type("100", "", "12", "1");
    window.ScriptAnswers({IDOK});
    OnCalculate(form, window);
    EXPECT_EQ(window.ShownMessages().at(0).text, "Q0 Must be > inf.  Continue with new value?");
    EXPECT_EQ(Shown(res::IDC_Q0), "inf");
    EXPECT_THAT(Shown(res::IDC_L), IsNanText());
}

TEST_F(CalculateCommand, EqualImpedancesPromptOnlyForQ0AtOrBelowZero) {
    Type("50", "50", "0", "1");
    window.ScriptAnswers({IDOK});
    OnCalculate(form, window);
    EXPECT_EQ(window.ShownMessages().at(0).text,
              "Q0 Must be > 0.000000.  Continue with new value?");
    EXPECT_EQ(Shown(res::IDC_Q0), "1.000000");
}

TEST_F(CalculateCommand, CapacitorButtonsOnlyChooseTheMinimum) {
    Type("5000", "50", "12", "30");
    OnCalculate(form, window);
    const auto shown = window.ControlTexts();

    form.OnVacuumCaps();
    EXPECT_EQ(form.capMinPf, kVacuumCapMinPf);
    form.OnAirCaps();
    form.OnVacuumCaps();
    form.OnVacuumCaps();
    EXPECT_EQ(form.capMinPf, 35.0);
    EXPECT_EQ(window.ControlTexts(), shown);  // nothing recalculated or exchanged

    // The last press wins at the next Calculate.
    window.SetControlText(res::IDC_Q0, "12");
    OnCalculate(form, window);
    EXPECT_EQ(Shown(res::IDC_C1), "35.000000");
    EXPECT_EQ(Shown(res::IDC_Q0), "36.131756");
}

TEST_F(CalculateCommand, OverwritesTextTypedIntoResults) {
    Type("100", "20", "4", "1");
    window.SetControlText(res::IDC_C2, "my own value");
    OnCalculate(form, window);
    EXPECT_EQ(Shown(res::IDC_C2), "7957.747290");
}

TEST_F(CalculateCommand, ShowsHugeResultsWhole) {
    Type("100", "20", "4", "1e-300");
    const CalculateOutcome outcome = OnCalculate(form, window);
    char reference[400];
    std::snprintf(reference, sizeof reference, "%f", outcome.shown.c1Pf);
    EXPECT_GT(Shown(res::IDC_C1).size(), 300u);
    EXPECT_EQ(Shown(res::IDC_C1), reference);
}

TEST_F(CalculateCommand, GivesTheSameTextsInACommaDecimalLocale) {
    testing::CommaDecimalLocale locale;
    if (!locale.active()) GTEST_SKIP() << "locale " << testing::kCommaDecimalLocale << " missing";
    Type("5000", "50", "12", "3.5");
    OnCalculate(form, window);
    EXPECT_EQ(Results(), k3_5MHz);

    Type("100", "20", "1", "1");
    window.ScriptAnswers({IDCANCEL});
    OnCalculate(form, window);
    EXPECT_EQ(window.ShownMessages().at(0).text,
              "Q0 Must be > 2.000000.  Continue with new value?");
}

}  // namespace
}  // namespace tavilo::ui
