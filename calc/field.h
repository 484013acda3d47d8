// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kelvastro {

// The nine fields of one trade sheet; the enumerators carry the controls' names
// so that the window, the arithmetic and the tests speak of the same things.
enum class Field : std::size_t {
    Text1, // buying price per share
    Text2, // quantity
    Text3, // total buying price including brokerage
    Text4, // required bank balance
    Text5, // selling price per share
    Text6, // total selling amount net of brokerage
    Text7, // profit or loss
    Text8, // brokerage rate in percent
    Text9, // change in price in percent
};

inline constexpr std::size_t kFieldCount = 9;

inline constexpr std::array<Field, kFieldCount> kAllFields{
    Field::Text1, Field::Text2, Field::Text3, Field::Text4, Field::Text5,
    Field::Text6, Field::Text7, Field::Text8, Field::Text9,
};

constexpr std::size_t index(Field f) { return static_cast<std::size_t>(f); }

// "Text1" ... "Text9": the control names.
std::string_view fieldName(Field f);

// What a person calls the field: the caption of its label, or for the rate
// field (which has none) the words that a screen reader should speak.
std::string_view fieldCaption(Field f);

bool isInputField(Field f);

} // namespace kelvastro
