// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvastro {

// How the user writes numbers. The arithmetic knows nothing about the
// system's locale machinery; the window hands this in, read once at start.
struct NumberLocale {
    std::string decimal = ".";   // UTF-8
    std::string group = ",";     // UTF-8; empty when the locale does not group
    int primaryGroup = 3;        // digits in the group next to the decimal separator
    int secondaryGroup = 3;      // digits in each group further left (2 in Indian English)
    std::string zeroDigit = "0"; // UTF-8; the other nine digits follow it in Unicode (Arabic: U+0660)
    std::string minus = "-";     // UTF-8; written before negative results where the digits are not ASCII

    // Digits with a point and no grouping: what file formats and tests use.
    static NumberLocale plain() { return NumberLocale{".", "", 3, 3}; }
};

} // namespace kelvastro
