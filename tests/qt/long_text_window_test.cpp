// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Texts of any length in both windows: a megabyte pasted into an input edit
// and into a result edit comes through both exchange directions whole, and a
// result near the top of the double range shows its whole "%f" text.
#include <gtest/gtest.h>
#include <locale.h>

#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string>

#include "platform/memory_window.h"
#include "platform/qt/text.h"
#include "res/resource_ids.h"
#include "ui/calculate_command.h"
#include "ui/coil_commands.h"
#include "ui/inductor_dialog.h"
#include "window_fixture.h"

namespace tavilo::testing {
namespace {

using platform::ExchangeDirection;
using platform::qt::ToStdString;

constexpr qsizetype kMegabyte = qsizetype{1} << 20;

// A text of at least a megabyte in UTF-8 that starts with `number` and then
// numbers its pieces, so that a cut or a lost piece shows. Every 64th piece
// holds letters of other scripts and a character outside the basic plane, so
// that a re-encoding shows too; not more, as each run of another script costs
// the line edit time to lay out.
QString MegabyteText(const QString& number) {
    QString text = number + QLatin1Char(' ');
    for (int piece = 0; text.size() < kMegabyte; ++piece) {
        text +=
            QString::number(piece) + ((piece % 64) == 0 ? QStringLiteral(" Ω µH 中文 \U0001F642; ")
                                                        : QStringLiteral(" ohm; "));
    }
    return text;
}

// Closes a window when a script ends, also when an assertion ends it early.
struct CloseWhenDone {
    QWidget* window;
    ~CloseWhenDone() {
        if (window->isVisible()) window->close();
    }
};

// The "%f" text of the C library in the "C" locale, whatever the process's.
std::string CFormat(double value) {
    const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t previous = uselocale(cLocale);
    const int length = std::snprintf(nullptr, 0, "%f", value);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%f", value);
    uselocale(previous);
    freelocale(cLocale);
    return text;
}

TEST(CFormat, IsTheCLocalesPrintf) {
    EXPECT_EQ(CFormat(3.5), "3.500000");
    EXPECT_EQ(CFormat(1e308).size(), 309u + 7u);
}

// A paste of a megabyte takes the line edit a second or two (it records an
// undo step per character), so each test pastes only twice.
TEST_F(QtWindows, MainWindowKeepsPastedMegabytesThroughBothExchanges) {
    RunMainWindow([this](TemplateWindow* window) {
        const QString plate = MegabyteText(QStringLiteral("100"));
        const QString l = MegabyteText(QStringLiteral("l"));
        Paste(window, res::IDC_PLATE_Z, plate);
        Paste(window, res::IDC_L, l);
        ASSERT_EQ(Edit(window, res::IDC_PLATE_Z)->text(), plate) << "the paste was cut";
        ASSERT_EQ(Edit(window, res::IDC_L)->text(), l) << "the paste was cut";

        auto& dialog = dynamic_cast<ui::PiNetworkDialog&>(window->dialog());
        dialog.ExchangeFields(ExchangeDirection::ControlsToFields);
        EXPECT_EQ(dialog.form().plateZ, ToStdString(plate));
        EXPECT_EQ(dialog.form().l, ToStdString(l));
        Edit(window, res::IDC_PLATE_Z)->clear();
        Edit(window, res::IDC_L)->clear();
        dialog.ExchangeFields(ExchangeDirection::FieldsToControls);
        EXPECT_EQ(Edit(window, res::IDC_PLATE_Z)->text(), plate);
        EXPECT_EQ(Edit(window, res::IDC_L)->text(), l);

        // The L result's megabyte opens the coil window whole.
        QString opened;
        OnNextModal([&opened](QWidget* modal) {
            auto* coil = dynamic_cast<TemplateWindow*>(modal);
            ASSERT_NE(coil, nullptr);
            opened = Edit(coil, res::IDC_COIL_L)->text();
            coil->close();
        });
        Click(window, res::IDC_CALC_INDUCTOR);
        EXPECT_EQ(opened, l);
        EXPECT_EQ(Edit(window, res::IDC_L)->text(), l);

        // Calculate's own two exchanges keep the plate text as pasted (it
        // reads as 100) and overwrite the L result.
        Type(window, res::IDC_ANTENNA_Z, "20");
        Type(window, res::IDC_Q0, "4");
        Type(window, res::IDC_FREQ, "1");
        Click(window, res::IDC_CALCULATE);
        EXPECT_EQ(Edit(window, res::IDC_PLATE_Z)->text(), plate);
        EXPECT_EQ(Text(window, res::IDC_Q1), "3.000000");
        EXPECT_EQ(Text(window, res::IDC_L), "6.366198");
        window->close();
    });
}

TEST_F(QtWindows, CoilWindowKeepsPastedMegabytesThroughBothExchanges) {
    RunMainWindow([this](TemplateWindow* window) {
        const QString l = MegabyteText(QStringLiteral("14"));
        const QString turns = MegabyteText(QStringLiteral("10"));
        bool played = false;
        OnNextModal([&](QWidget* modal) {
            auto* coil = dynamic_cast<TemplateWindow*>(modal);
            ASSERT_NE(coil, nullptr);
            const CloseWhenDone closer{coil};
            played = true;
            Paste(coil, res::IDC_COIL_L, l);
            Paste(coil, res::IDC_COIL_TURNS, turns);
            ASSERT_EQ(Edit(coil, res::IDC_COIL_L)->text(), l) << "the paste was cut";
            ASSERT_EQ(Edit(coil, res::IDC_COIL_TURNS)->text(), turns) << "the paste was cut";

            auto& dialog = dynamic_cast<ui::InductorDialog&>(coil->dialog());
            dialog.ExchangeFields(ExchangeDirection::ControlsToFields);
            EXPECT_EQ(dialog.form().coilL, ToStdString(l));
            EXPECT_EQ(dialog.form().coilTurns, ToStdString(turns));
            Edit(coil, res::IDC_COIL_L)->clear();
            Edit(coil, res::IDC_COIL_TURNS)->clear();
            dialog.ExchangeFields(ExchangeDirection::FieldsToControls);
            EXPECT_EQ(Edit(coil, res::IDC_COIL_L)->text(), l);
            EXPECT_EQ(Edit(coil, res::IDC_COIL_TURNS)->text(), turns);

            // Calc. Turns keeps the pasted L it reads (14 uH) and writes turns.
            Type(coil, res::IDC_COIL_DIAMETER, "2");
            Type(coil, res::IDC_COIL_LENGTH, "0.5");
            Click(coil, res::IDC_CALC_TURNS);
            EXPECT_EQ(Edit(coil, res::IDC_COIL_L)->text(), l);
            EXPECT_EQ(Text(coil, res::IDC_COIL_TURNS), "14.000000");
        });
        Click(window, res::IDC_CALC_INDUCTOR);
        EXPECT_TRUE(played);
        window->close();
    });
}

// Inputs whose results lie near the top of the double range; every result
// edit must hold the whole "%f" text, digit for digit.
struct HugeDesign {
    const char* name;
    const char* plate;
    const char* antenna;
    const char* q0;
    const char* freq;
};

TEST_F(QtWindows, MainWindowShowsTheWholeTextOfHugeResults) {
    const HugeDesign designs[] = {
        // Q0 of 1e308 is kept as typed: its text has 309 digits.
        {"Q0 1e308", "100", "20", "1e308", "1"},
        // 1e-304 MHz makes C1, C2 and L a little below 1e308.
        {"1e-304 MHz", "100", "20", "4", "1e-304"},
    };
    for (const HugeDesign& design : designs) {
        SCOPED_TRACE(design.name);
        // What the command writes for these inputs, from the in-memory window.
        platform::MemoryWindow memory;
        memory.SetControlText(res::IDC_PLATE_Z, design.plate);
        memory.SetControlText(res::IDC_ANTENNA_Z, design.antenna);
        memory.SetControlText(res::IDC_Q0, design.q0);
        memory.SetControlText(res::IDC_FREQ, design.freq);
        ui::PiNetworkForm form;
        const ui::CalculateOutcome outcome = ui::OnCalculate(form, memory);
        ASSERT_TRUE(outcome.designed);
        const std::pair<int, double> shown[] = {
            {res::IDC_Q0, outcome.shown.q0},   {res::IDC_Q1, outcome.shown.q1},
            {res::IDC_Q2, outcome.shown.q2},   {res::IDC_C1, outcome.shown.c1Pf},
            {res::IDC_C2, outcome.shown.c2Pf}, {res::IDC_L, outcome.shown.lUh},
        };

        RunMainWindow([&](TemplateWindow* window) {
            TypeDesign(window, design.plate, design.antenna, design.q0, design.freq);
            Click(window, res::IDC_CALCULATE);
            std::size_t longest = 0;
            for (const auto& [id, value] : shown) {
                EXPECT_EQ(Text(window, id), CFormat(value)) << id;
                longest = std::max(longest, Text(window, id).size());
            }
            EXPECT_GE(longest, 308u + 7u);
            window->close();
        });
    }
    // The first design's Q0 is the double nearest 1e308 itself.
    EXPECT_EQ(CFormat(1e308).substr(0, 20), "10000000000000000109");
}

TEST_F(QtWindows, CoilWindowShowsTheWholeTextOfHugeResults) {
    RunMainWindow([this](TemplateWindow* window) {
        OnNextModal([](QWidget* modal) {
            auto* coil = dynamic_cast<TemplateWindow*>(modal);
            ASSERT_NE(coil, nullptr);
            // Calc. L of 1.3e154 turns, 1 inch across, no length: about 9.4e306 uH.
            Type(coil, res::IDC_COIL_TURNS, "1.3e154");
            Type(coil, res::IDC_COIL_DIAMETER, "1");
            Type(coil, res::IDC_COIL_LENGTH, "0");
            Click(coil, res::IDC_CALC_L);
            platform::MemoryWindow memory;
            memory.SetControlText(res::IDC_COIL_TURNS, "1.3e154");
            memory.SetControlText(res::IDC_COIL_DIAMETER, "1");
            memory.SetControlText(res::IDC_COIL_LENGTH, "0");
            ui::InductorForm form;
            const ui::CoilOutcome inductance = ui::OnCalcL(form, memory);
            EXPECT_EQ(Text(coil, res::IDC_COIL_L), CFormat(inductance.value));
            EXPECT_EQ(Text(coil, res::IDC_COIL_L).size(), 307u + 7u);

            // Calc. Turns of 1e300 uH on a 1e-300 inch coil: about 4.2e300 turns.
            Type(coil, res::IDC_COIL_L, "1e300");
            Type(coil, res::IDC_COIL_DIAMETER, "1e-300");
            Click(coil, res::IDC_CALC_TURNS);
            memory.SetControlText(res::IDC_COIL_L, "1e300");
            memory.SetControlText(res::IDC_COIL_DIAMETER, "1e-300");
            const ui::CoilOutcome turns = ui::OnCalcTurns(form, memory);
            EXPECT_EQ(Text(coil, res::IDC_COIL_TURNS), CFormat(turns.value));
            EXPECT_EQ(Text(coil, res::IDC_COIL_TURNS).size(), 301u + 7u);
            EXPECT_EQ(Text(coil, res::IDC_COIL_SPACING), "0.000000");
            coil->close();
        });
        Click(window, res::IDC_CALC_INDUCTOR);
        window->close();
    });
}

}  // namespace
}  // namespace tavilo::testing
