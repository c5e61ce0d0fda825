// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Runs a test with the process in a comma-decimal locale, as a German desktop
// session would have it, and restores the previous locale afterwards.
#pragma once

#include <clocale>
#include <string>

namespace tavilo::testing {

inline constexpr const char* kCommaDecimalLocale = "de_DE.UTF-8";

class CommaDecimalLocale {
  public:
    CommaDecimalLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, kCommaDecimalLocale) != nullptr;
    }
    ~CommaDecimalLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    // False when the machine has no such locale (scripts/test.sh generates it).
    bool active() const { return active_; }

  private:
    std::string previous_;
    bool active_ = false;
};

}  // namespace tavilo::testing
