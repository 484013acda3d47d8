// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tradesheet.h"

#include <array>

class QLineEdit;

namespace kelvastro {

// Binds the trade sheet to the window's text boxes: a text written by the
// arithmetic shows at once, and what the user typed is what it reads.
class WidgetSheet final : public TradeSheet {
public:
    void bind(Field f, QLineEdit *edit) { m_edits[index(f)] = edit; }
    QLineEdit *edit(Field f) const
    {
        // cppcheck-suppress CastIntegerToAddressAtReturn ; the array holds pointers: a false finding
        return m_edits[index(f)];
    }

    std::string text(Field f) const override;
    void setText(Field f, std::string_view text) override;
    bool isEmpty(Field f) const override;

private:
    std::array<QLineEdit *, kFieldCount> m_edits{};
};

} // namespace kelvastro
