// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/field.h"

namespace kelvastro {

namespace {
constexpr std::array<std::string_view, kFieldCount> kNames{
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9",
};
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

std::string_view fieldName(Field f) { return kNames.at(index(f)); }

std::string_view fieldCaption(Field f) { return kCaptions.at(index(f)); }

bool isInputField(Field f)
{
    return f == Field::Text1 || f == Field::Text2 || f == Field::Text5 || f == Field::Text8;
}

} // namespace kelvastro
