// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The windows in a comma-decimal desktop session: CTest runs every window test
// a second time with LC_ALL=de_DE.UTF-8 (the "de_DE." tests), and this test
// proves that the process really is in that locale there.
#include <gtest/gtest.h>

#include <QLocale>
#include <QRegularExpression>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "res/resource_ids.h"
#include "tests/locale_guard.h"
#include "window_fixture.h"

namespace tavilo::testing {
namespace {

// The locale the environment asks for numbers, by the C library's order of
// precedence: LC_ALL, then LC_NUMERIC, then LANG.
std::string_view NumericLocaleFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

TEST_F(QtWindows, CommaDecimalLocaleStillReadsAndShowsDecimalPoints) {
    if (NumericLocaleFromEnvironment() != kCommaDecimalLocale) {
        GTEST_SKIP() << "the environment does not ask for " << kCommaDecimalLocale
                     << "; the de_DE. copy of this test runs in it";
    }

    // The process took the locale from the environment: the C library reads
    // and writes commas, and so does the toolkit.
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(numeric, nullptr);
    EXPECT_STREQ(numeric, kCommaDecimalLocale) << "is the locale generated? "
                                                  "scripts/ensure-test-locale.sh makes it";
    char printed[32];
    std::snprintf(printed, sizeof printed, "%f", 3.5);
    EXPECT_STREQ(printed, "3,500000");
    EXPECT_EQ(std::atof("3.5"), 3.0) << "the C library stops at the point here";
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));

    RunMainWindow([](TemplateWindow* window) {
        TypeDesign(window, "5000", "50", "12", "3.5");
        Click(window, res::IDC_CALCULATE);

        // 3.5 MHz, not 3: C1 of about 104 pF stays above the air minimum, so
        // Q0 is kept, and L is the 3.5 MHz design's.
        EXPECT_EQ(Text(window, res::IDC_Q0), "12.000000");
        EXPECT_EQ(Text(window, res::IDC_L), "20.702922");
        EXPECT_EQ(Text(window, res::IDC_FREQ), "3.5");
        const QRegularExpression pointDecimal(QStringLiteral("^-?[0-9]+\\.[0-9]{6}$"));
        for (const int id :
             {res::IDC_Q0, res::IDC_Q1, res::IDC_Q2, res::IDC_C1, res::IDC_C2, res::IDC_L}) {
            EXPECT_TRUE(pointDecimal.match(Edit(window, id)->text()).hasMatch())
                << id << ": " << Text(window, id);
        }
        window->close();
    });
}

}  // namespace
}  // namespace tavilo::testing
