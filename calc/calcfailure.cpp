// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calcfailure.h"

namespace kelvastro {

FailureKind CalcFailure::kind() const
{
    switch (reason) {
    case FailureReason::Empty:
    case FailureReason::NotANumber:
    case FailureReason::OutOfRange:
    case FailureReason::MixedScripts:
    case FailureReason::NotADigit:
        return FailureKind::Conversion;
    case FailureReason::DivisionByZero:
    case FailureReason::Invalid:
    case FailureReason::Overflow:
        break;
    }
    return FailureKind::Arithmetic;
}

Side CalcFailure::side() const
{
    return target == Field::TotalCost || target == Field::BankBalance ? Side::Buying : Side::Selling;
}

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
    case FailureReason::MixedScripts:
        out.append(read).append(" mixes the digits of two scripts.");
        break;
    case FailureReason::NotADigit:
        // The Tamil layout types ten on its 0 key: a zero that looks typed is not one.
        // Named in words: a Tamil glyph would make the status line taller in most fonts.
        out.append(read).append(" holds the Tamil ten, hundred or thousand sign, not a digit.");
        break;
    case FailureReason::DivisionByZero:
        out += failure.target == Field::PriceChange ? "division by zero (Buying Price is 0)."
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
