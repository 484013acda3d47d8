// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/localenumbers.h"

#include <QLocale>
#include <QStringList>

namespace kelvastro {

NumberLocale numberLocaleOf(const QLocale &locale)
{
    QLocale grouped(locale);
    grouped.setNumberOptions(QLocale::DefaultNumberOptions);

    NumberLocale out;
    out.decimal = grouped.decimalPoint().toStdString();
    out.zeroDigit = grouped.zeroDigit().toStdString();
    out.minus = grouped.negativeSign().toStdString();
    out.group.clear();
    // Qt does not publish group sizes, so read them off a formatted number.
    const QString separator = grouped.groupSeparator();
    const QString sample = grouped.toString(Q_INT64_C(123456789012));
    if (!separator.isEmpty() && sample.contains(separator)) {
        const QStringList groups = sample.split(separator);
        out.group = separator.toStdString();
        out.primaryGroup = static_cast<int>(groups.at(groups.size() - 1).size());
        out.secondaryGroup = groups.size() > 2 ? static_cast<int>(groups.at(groups.size() - 2).size())
                                               : out.primaryGroup;
    }
    return out;
}

} // namespace kelvastro
