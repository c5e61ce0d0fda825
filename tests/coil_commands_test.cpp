// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil window's form and its two commands on the in-memory window.
#include "ui/coil_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "form_fixture.h"
#include "res/resource_ids.h"
#include "ui/inductor_form.h"

namespace tavilo::ui {
namespace {

using testing::IsNanText;

class CoilCommands : public ::testing::Test {
  protected:
    void Open(const std::string& mainL) {
        mainForm.l = mainL;
        PrepareInductorForm(form, mainForm, window);
    }

    void Type(int id, const std::string& text) { window.SetControlText(id, text); }
    std::string Shown(int id) const { return window.ControlText(id); }

    platform::MemoryWindow window;
    PiNetworkForm mainForm;
    InductorForm form;
};

TEST_F(CoilCommands, OpenWithTheMainFormsLTextAsItStands) {
    for (const char* mainL : {"", "0.685857", "5", "about 2 uH"}) {
        Open(mainL);
        EXPECT_EQ(Shown(res::IDC_COIL_L), mainL);
        for (const int id : {res::IDC_COIL_DIAMETER, res::IDC_COIL_LENGTH, res::IDC_COIL_TURNS,
                             res::IDC_COIL_SPACING}) {
            EXPECT_EQ(Shown(id), "") << id;
        }
    }
}

TEST_F(CoilCommands, CalcTurnsWritesTurnsAndSpacingOnly) {
    Open("14.0");
    Type(res::IDC_COIL_DIAMETER, "2 in");
    Type(res::IDC_COIL_LENGTH, ".5");
    Type(res::IDC_COIL_SPACING, "typed spacing");

    const CoilOutcome outcome = OnCalcTurns(form, window);

    EXPECT_EQ(outcome.value, 14.0);
    // The winding it worked with: the turns it computed, the sizes it read.
    EXPECT_EQ(outcome.turns, 14.0);
    EXPECT_EQ(outcome.diameterIn, 2.0);
    EXPECT_EQ(outcome.lengthIn, 0.5);
    EXPECT_EQ(Shown(res::IDC_COIL_TURNS), "14.000000");
    EXPECT_EQ(Shown(res::IDC_COIL_SPACING), "0.035714");
    EXPECT_EQ(Shown(res::IDC_COIL_L), "14.0");
    EXPECT_EQ(Shown(res::IDC_COIL_DIAMETER), "2 in");
    EXPECT_EQ(Shown(res::IDC_COIL_LENGTH), ".5");
}

TEST_F(CoilCommands, CalcLThenCalcTurnsComeBackToTheTurns) {
    Open("");
    Type(res::IDC_COIL_TURNS, "10");
    Type(res::IDC_COIL_DIAMETER, "1");
    Type(res::IDC_COIL_LENGTH, "1");

    const CoilOutcome inductance = OnCalcL(form, window);
    EXPECT_EQ(inductance.value, 100.0 / 58.0);
    EXPECT_EQ(inductance.turns, 10.0);
    EXPECT_EQ(inductance.diameterIn, 1.0);
    EXPECT_EQ(inductance.lengthIn, 1.0);
    EXPECT_EQ(Shown(res::IDC_COIL_L), "1.724138");
    EXPECT_EQ(Shown(res::IDC_COIL_SPACING), "0.100000");
    EXPECT_EQ(Shown(res::IDC_COIL_TURNS), "10");

    // From the six-decimal L text: 10.0000002 turns, shown as 10.
    const CoilOutcome turns = OnCalcTurns(form, window);
    EXPECT_NE(turns.turns, 10.0);
    EXPECT_NEAR(turns.turns, 10.0, 1e-6);
    EXPECT_EQ(Shown(res::IDC_COIL_TURNS), "10.000000");
    EXPECT_EQ(Shown(res::IDC_COIL_SPACING), "0.100000");
}

struct EdgeCase {
    const char* name;
    const char* l;
    const char* diameter;
    const char* length;
    const char* turns;
    bool calcTurns;     // else Calc. L
    const char* value;  // the text the command writes: turns or L ("nan" for either sign)
    const char* spacing;
    friend void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }
};

class CoilEdges : public CoilCommands, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(CoilEdges, WriteTheNonFiniteTextsLikeAnyOther) {
    const EdgeCase& c = GetParam();
    Open(c.l);
    Type(res::IDC_COIL_DIAMETER, c.diameter);
    Type(res::IDC_COIL_LENGTH, c.length);
    Type(res::IDC_COIL_TURNS, c.turns);
    if (c.calcTurns) {
        OnCalcTurns(form, window);
    } else {
        OnCalcL(form, window);
    }
    const std::string value = Shown(c.calcTurns ? res::IDC_COIL_TURNS : res::IDC_COIL_L);
    auto matches = [](const std::string& text, const std::string& expected) {
        return expected == "nan" ? (text == "nan" || text == "-nan") : text == expected;
    };
    EXPECT_PRED2(matches, value, c.value);
    EXPECT_PRED2(matches, Shown(res::IDC_COIL_SPACING), c.spacing);
}

INSTANTIATE_TEST_SUITE_P(
    EmptyAndZeroFields, CoilEdges,
    ::testing::Values(EdgeCase{"calc_l_without_turns", "", "2", "1", "", false, "0.000000", "inf"},
                      EdgeCase{"calc_turns_without_diameter", "5", "", "1", "", true, "inf",
                               "0.000000"},
                      EdgeCase{"calc_turns_all_empty", "", "", "", "", true, "nan", "nan"},
                      EdgeCase{"calc_l_all_empty", "", "", "", "", false, "nan", "nan"}),
    [](const ::testing::TestParamInfo<EdgeCase>& test) { return test.param.name; });

TEST_F(CoilCommands, CalcLLeavesTheMainFormAlone) {
    Open("0.685857");
    Type(res::IDC_COIL_TURNS, "3");
    Type(res::IDC_COIL_DIAMETER, "1");
    Type(res::IDC_COIL_LENGTH, "1");
    OnCalcL(form, window);
    EXPECT_EQ(mainForm.l, "0.685857");

    InductorForm reopened;
    PrepareInductorForm(reopened, mainForm, window);
    EXPECT_EQ(Shown(res::IDC_COIL_L), "0.685857");
}

}  // namespace
}  // namespace tavilo::ui
