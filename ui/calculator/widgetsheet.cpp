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
    QLineEdit *e = edit(f);
    e->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // A written result shows from its first character, sign and integer part
    // in view, as a freshly filled box does; setText leaves the caret at the end.
    if (!e->hasFocus())
        e->setCursorPosition(0);
}

bool WidgetSheet::isEmpty(Field f) const
{
    return edit(f)->text().isEmpty();
}

} // namespace kelvastro
