// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Reading tavilo-cli's JSON Lines in the tests, with nlohmann-json: a parser
// other than the hand-written writer it checks.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace tavilo::testing {

// One parsed object per line.
inline std::vector<nlohmann::json> JsonLines(const std::string& out) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) lines.push_back(nlohmann::json::parse(line));
    return lines;
}

// A JSON number, or the string the program writes for a non-finite one.
inline double Number(const nlohmann::json& value) {
    if (value.is_number()) return value.get<double>();
    const std::string text = value.get<std::string>();
    if (text == "inf") return INFINITY;
    if (text == "-inf") return -INFINITY;
    EXPECT_EQ(text, "nan");
    return NAN;
}

// The same double, NaN included (of any sign).
inline bool SameDouble(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

}  // namespace tavilo::testing
