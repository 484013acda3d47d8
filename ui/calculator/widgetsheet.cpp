// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgetsheet.h"

#include <QLineEdit>

namespace kelvastro {

std::string WidgetSheet::text(Field f) const
{
    return edit(f)->text().toStdString();
}

void WidgetSheet::setText(Field f, std::string_view text)
{
    edit(f)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

bool WidgetSheet::isEmpty(Field f) const
{
    return edit(f)->text().isEmpty();
}

} // namespace kelvastro
