// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/field.h"

#include <string>
#include <string_view>

namespace kelvastro {

// The nine text fields are both the display and the only store of the
// numbers: the arithmetic reads and writes them as text, nothing else.
class TradeSheet {
public:
    virtual ~TradeSheet() = default;

    virtual std::string text(Field f) const = 0;
    virtual void setText(Field f, std::string_view text) = 0;

    // A plain comparison with the empty text; blanks count as content.
    virtual bool isEmpty(Field f) const { return text(f).empty(); }
};

} // namespace kelvastro
