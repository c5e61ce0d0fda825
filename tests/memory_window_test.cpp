// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The in-memory window and the exchange: texts of any kind and length come
// through whole, message boxes are answered from a script and recorded.
#include "platform/memory_window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/exchange.h"

namespace tavilo::platform {
namespace {

struct TwoFields {
    std::string first;
    std::string second;
};

constexpr FieldBinding<TwoFields> kTwoBindings[] = {{7, &TwoFields::first},
                                                    {3, &TwoFields::second}};

TEST(ExchangeFields, CarriesAnyTextUnchangedBothWays) {
    const std::string texts[] = {"",
                                 "letters",
                                 "-12.5e3 ohms",
                                 "  spaces  ",
                                 "Ω µH «quoted» 中文 🙂",
                                 std::string("nul\0inside", 10),
                                 std::string(1 << 20, '7')};
    for (const std::string& text : texts) {
        MemoryWindow window;
        TwoFields form{text, text + "!"};
        ExchangeFields<TwoFields>(window, form, kTwoBindings, ExchangeDirection::FieldsToControls);
        EXPECT_EQ(window.ControlText(7), text);
        EXPECT_EQ(window.ControlText(3), text + "!");

        window.SetControlText(7, text + "?");
        ExchangeFields<TwoFields>(window, form, kTwoBindings, ExchangeDirection::ControlsToFields);
        EXPECT_EQ(form.first, text + "?");
        EXPECT_EQ(form.second, text + "!");
    }
}

TEST(MemoryWindow, AnswersFromTheScriptThenTheResponderAndRecords) {
    MemoryWindow window;
    window.ScriptAnswers({IDCANCEL, IDOK});
    window.SetResponder([](const ShownMessage& m) { return m.style == MB_OK ? IDOK : IDCANCEL; });

    EXPECT_EQ(window.ShowMessageBox("first", "A", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(window.ShowMessageBox("second", "B", MB_OKCANCEL), IDOK);
    EXPECT_EQ(window.ShowMessageBox("third", "C", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(window.ShowMessageBox("fourth", "D", MB_OK), IDOK);

    ASSERT_EQ(window.ShownMessages().size(), 4u);
    EXPECT_EQ(window.ShownMessages()[1].text, "second");
    EXPECT_EQ(window.ShownMessages()[1].caption, "B");
    EXPECT_EQ(window.ShownMessages()[2].answer, IDCANCEL);
}

TEST(MemoryWindow, RefusesAMessageBoxNobodyExpected) {
    MemoryWindow window;
    EXPECT_THROW(window.ShowMessageBox("surprise", "caption", MB_OK), std::logic_error);
}

}  // namespace
}  // namespace tavilo::platform
