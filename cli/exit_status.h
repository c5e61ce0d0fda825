// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The exit statuses of tavilo-cli, and the words --help and the man page use
// for them.
#pragma once

#include <array>
#include <string_view>

namespace tavilo::cli {

enum class ExitStatus : int {
    Success = 0,       // every design was made (or help was shown)
    Q0TooLow = 1,      // some design stopped at the Q0 bound (the prompt's Cancel)
    Usage = 2,         // the command line was wrong; nothing was designed
    BadInput = 3,      // a file, header or row could not be read; other rows were designed
    OutputFailed = 4,  // standard output, or the file of --plot, could not be written
};

struct ExitStatusText {
    ExitStatus status;
    std::string_view meaning;
};

inline constexpr std::array<ExitStatusText, 5> kExitStatusTexts{{
    {ExitStatus::Success, "every design was made"},
    {ExitStatus::Q0TooLow,
     "some design was not made because its Q0 does not exceed the bound (no --raise-q)"},
    {ExitStatus::Usage, "the command line is wrong (unknown option, missing value); nothing ran"},
    {ExitStatus::BadInput,
     "bad input: an unreadable file, a bad header, or a row that is not CSV of the right "
     "columns; every other row was still designed"},
    {ExitStatus::OutputFailed, "standard output, or the file of --plot, could not be written"},
}};

inline int ToInt(ExitStatus status) {
    return static_cast<int>(status);
}

}  // namespace tavilo::cli
