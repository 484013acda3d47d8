// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calcfailure.h"

namespace kelvastro {

std::string describe(const CalcFailure &failure)
{
    std::string out = "Cannot work out ";
    out += fieldCaption(failure.target);
    out += ": ";
    const std::string_view read = fieldCaption(failure.field);
    switch (failure.reason) {
    case FailureReason::Empty:
        out.append(read).append(" is empty.");
        break;
    case FailureReason::NotANumber:
        out.append(read).append(" is not a number.");
        break;
    case FailureReason::OutOfRange:
        out.append(read).append(" is too large.");
        break;
    case FailureReason::DivisionByZero:
        out += failure.target == Field::Text9 ? "division by zero (Buying Price is 0)."
                                               : "division by zero.";
        break;
    case FailureReason::Invalid:
        out += "the result is undefined (zero divided by zero).";
        break;
    case FailureReason::Overflow:
        out += "the result is too large.";
        break;
    }
    return out;
}

} // namespace kelvastro
