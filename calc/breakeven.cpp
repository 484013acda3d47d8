// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/breakeven.h"

#include <cmath>

namespace kelvastro {

std::optional<double> breakEvenPrice(const TradeSheet &sheet, const NumberText &numbers)
{
    const FieldValue buying = numbers.read(sheet.text(Field::BuyingPrice));
    const FieldValue quantity = numbers.read(sheet.text(Field::Quantity));
    const FieldValue rate = numbers.read(sheet.text(Field::BrokerageRate));
    const FieldValue total = numbers.read(sheet.text(Field::TotalCost));
    if (!buying || !quantity || !rate || !total || rate.value >= 100)
        return std::nullopt;
    const double perShare = quantity.value * (1 - rate.value / 100);
    const double price = total.value / perShare;
    if (!std::isfinite(price) || price <= 0)
        return std::nullopt;
    return price;
}

} // namespace kelvastro
