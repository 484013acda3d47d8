// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/tradesheet.h"
#include "platform/forms/formview.h"

namespace kelvastro {

// The trade sheet as the calculator window's text boxes: a text written by
// the arithmetic shows at once, and what the user typed is what it reads.
class FormSheet final : public TradeSheet {
public:
    explicit FormSheet(FormView &view) : m_view(view) {}

    std::string text(Field f) const override;
    void setText(Field f, std::string_view text) override;

private:
    FormView &m_view;
};

} // namespace kelvastro
