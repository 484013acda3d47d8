// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/field.h"

namespace kelvastro {

namespace {
constexpr std::array<std::string_view, kFieldCount> kCaptions{
    "Buying Price",
    "Quantity",
    "Total buying Price including Brokerage",
    "Req.Bank Balace",
    "Selling Price",
    "Total Selling Amount Including Brokerage",
    "Profit / Loss",
    "Brokerage %",
    "Change in Price",
};
} // namespace

std::string_view fieldCaption(Field f) { return kCaptions.at(index(f)); }

bool isInputField(Field f)
{
    return f == Field::BuyingPrice || f == Field::Quantity || f == Field::SellingPrice || f == Field::BrokerageRate;
}

} // namespace kelvastro
