// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/numberlocale.h"

#include <string>
#include <string_view>

namespace kelvastro {

enum class ReadError {
    None,
    Empty,      // the text is empty
    NotANumber,   // anything that is not a decimal number in the user's notation
    OutOfRange,   // a number too large for a double
    MixedScripts, // digits of two scripts in one number (ASCII and full-width count as one)
    NotADigit,    // a Tamil number sign (ten, hundred, thousand), which its layout types for a digit
};

struct FieldValue {
    double value = 0.0;
    ReadError error = ReadError::None;

    explicit operator bool() const { return error == ReadError::None; }
};

// The two conversions between a field's text and a double: reading what the
// user typed in their own notation, with the digits of any script, and writing
// a result the way a person reads it (15 significant digits, like C's %.15G
// with the locale's separator and digits).
class NumberText {
public:
    explicit NumberText(NumberLocale locale = NumberLocale::plain());

    FieldValue read(std::string_view text) const;
    std::string display(double value) const;

    const NumberLocale &locale() const { return m_locale; }

private:
    FieldValue readNormalized(std::string_view text) const;
    std::string asciiDisplay(double value) const;
    std::string nativeDigits(std::string_view ascii) const;

    NumberLocale m_locale;
    char32_t m_zero = U'0';       // the zero of the digits results are written in
    bool m_groupIsBlank = false; // then any blank that looks like it is accepted too
    char m_plainDecimal = '\0';  // a one-byte decimal separator, for the quick path
};

} // namespace kelvastro
