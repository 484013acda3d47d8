// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/field.h"
#include "calc/numbertext.h"

#include <string>

namespace kelvastro {

enum class Side { Buying, Selling };

enum class FailureKind { Conversion, Arithmetic };

enum class FailureReason {
    Empty,          // conversion: the field read is empty
    NotANumber,     // conversion: the field read holds no number
    OutOfRange,     // conversion: the field read holds a number too large for a double
    MixedScripts,   // conversion: the field read holds digits of two scripts
    NotADigit,      // conversion: the field read holds a Tamil number sign where a digit belongs
    DivisionByZero, // arithmetic
    Invalid,        // arithmetic: 0 / 0 and its like
    Overflow,       // arithmetic: the result is too large
};

// Why a side stopped part-way, and where: what it was doing at which of its
// steps. Results written before that step stay written.
struct CalcFailure {
    FailureReason reason;
    int step;     // 1-based, in the order the side runs its steps
    Field field;  // conversion: the field that was read; arithmetic: the field being computed
    Field target; // the result field that the failing step was computing

    // A failed conversion of a field's text, or a step whose result is not finite.
    FailureKind kind() const;
    // The side whose result `target` is.
    Side side() const;

    bool operator==(const CalcFailure &) const = default;
};

// Plain words for the status line, naming the field and the trouble.
std::string describe(const CalcFailure &failure);

} // namespace kelvastro
