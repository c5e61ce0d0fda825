// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Input texts inside tavilo-cli's messages stay on one line, show control
// characters as escapes and are cut short.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/message_text.h"
#include "cli/run.h"

namespace tavilo::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(MessageText, EscapesControlCharactersQuotesAndBackslashes) {
    const std::pair<std::string, std::string> cases[] = {
        {"5k", "\"5k\""},
        {"", "\"\""},
        {"a\nb", "\"a\\nb\""},
        {"tab\there\r", "\"tab\\there\\r\""},
        {"\x1b[31mred", "\"\\x1B[31mred\""},
        {std::string("nul\0x", 5), "\"nul\\x00x\""},
        {"say \"hi\" \\o/", "\"say \\\"hi\\\" \\\\o/\""},
        {"\x7f", "\"\\x7F\""},
        {"Ω µH", "\"Ω µH\""},
    };
    for (const auto& [text, quoted] : cases) EXPECT_EQ(QuotedForMessage(text), quoted) << text;
}

TEST(MessageText, CutsLongTextsWithoutSplittingACharacter) {
    EXPECT_EQ(EscapedForMessage(std::string(1 << 20, '7')),
              std::string(kMessageTextLimit, '7') + "...");
    // "µ" is two bytes; one that would straddle the limit is left out whole.
    const std::string text = std::string(kMessageTextLimit - 1, 'a') + "µµ";
    EXPECT_EQ(EscapedForMessage(text), std::string(kMessageTextLimit - 1, 'a') + "...");
}

TEST(MessageText, ACellWithLineBreaksAndEscapesWarnsOnOneLine) {
    std::istringstream in(
        "plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf\n"
        "\"5000\n\x1b[2Jtavilo-cli: <stdin>:9: error: forged\",50,12,3.5,air\n");
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args{"tavilo-cli", "pi", "--batch", "-", "--format", "json"};
    EXPECT_EQ(RunCli(args, {in, out, err, false}), 0);
    const std::string messages = err.str();
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 1) << messages;
    EXPECT_THAT(messages, HasSubstr("\"5000\\n\\x1B[2Jtavilo-cli: <stdin>:9: error: forged\""));
    EXPECT_THAT(messages, Not(HasSubstr("\x1b")));
}

}  // namespace
}  // namespace tavilo::cli
