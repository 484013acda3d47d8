// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/formsheet.h"

#include "ui/calculator/kelvastrodefinition.h"

namespace kelvastro {

std::string FormSheet::text(Field f) const
{
    return m_view.text(calculator::control(f));
}

void FormSheet::setText(Field f, std::string_view text)
{
    m_view.setText(calculator::control(f), text);
}

} // namespace kelvastro
