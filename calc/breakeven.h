// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/numbertext.h"
#include "calc/tradesheet.h"

#include <optional>

namespace kelvastro {

// The selling price per share at which the trade neither gains nor loses:
// where the selling total, net of brokerage at the same rate, equals the
// total buying price as shown. Total buying price / (quantity × (1 − rate / 100)).
// None while the buying side shows no result of the trade on the sheet
// (buying price or quantity not a number, no total), at a rate of 100 or
// more, or where the sums give no positive price.
std::optional<double> breakEvenPrice(const TradeSheet &sheet, const NumberText &numbers);

} // namespace kelvastro
