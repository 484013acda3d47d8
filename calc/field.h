// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kelvastro {

// The nine fields of one trade sheet, named by what they hold. Which control
// shows each is the calculator window's business.
enum class Field : std::size_t {
    BuyingPrice,   // per share
    Quantity,      // number of shares
    TotalCost,     // total buying price including brokerage
    BankBalance,   // required bank balance, a sixth of the total cost
    SellingPrice,  // per share
    SellingTotal,  // total selling amount net of brokerage
    ProfitLoss,    // selling total less total cost
    BrokerageRate, // in percent
    PriceChange,   // change from buying to selling price, in percent
};

inline constexpr std::size_t kFieldCount = 9;

inline constexpr std::array<Field, kFieldCount> kAllFields{
    Field::BuyingPrice,  Field::Quantity,     Field::TotalCost,     Field::BankBalance, Field::SellingPrice,
    Field::SellingTotal, Field::ProfitLoss,   Field::BrokerageRate, Field::PriceChange,
};

constexpr std::size_t index(Field f) { return static_cast<std::size_t>(f); }

// What a person calls the field: the caption of its label, or for the rate
// field (which has none) the words that a screen reader should speak.
std::string_view fieldCaption(Field f);

// The four the user types into; the others are results.
bool isInputField(Field f);

} // namespace kelvastro
