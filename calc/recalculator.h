// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/calcfailure.h"
#include "calc/numbertext.h"
#include "calc/tradesheet.h"

#include <optional>

namespace kelvastro {

// The brokerage arithmetic over a trade sheet. Every operand is read afresh
// from its field's text, so a step that uses an earlier result sees it as
// displayed (rounded to 15 digits), never a more precise hidden copy.
class Recalculator {
public:
    explicit Recalculator(const NumberText &numbers) : m_numbers(numbers) {}

    // What a change of one input field sets off; result fields set off nothing.
    std::optional<CalcFailure> recalculate(TradeSheet &sheet, Field changed) const;

    // The texts read during one recalculation with their values: a text read
    // again unchanged is not converted again.
    class Reads;

private:
    // Total buying price with brokerage, then the bank balance required (a sixth of it).
    std::optional<CalcFailure> buyingSide(TradeSheet &sheet, Reads &reads) const;
    // Net selling amount, profit or loss, and change in price.
    std::optional<CalcFailure> sellingSide(TradeSheet &sheet, Reads &reads) const;

    const NumberText &m_numbers;
};

} // namespace kelvastro
