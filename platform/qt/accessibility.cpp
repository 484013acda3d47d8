// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/accessibility.h"

#include "platform/qt/fieldaccessible.h"
#include "platform/qt/notificationaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

namespace kelvastro::form {

namespace {

bool isStaleFocus(const QAccessibleEvent *event)
{
    if (event->type() != QAccessible::Focus || event->child() >= 0)
        return false;
    // Only fields forward or take back the focus; menus report their own.
    auto *field = qobject_cast<QLineEdit *>(event->object());
    QWidget *focus = QApplication::focusWidget();
    return field && focus && focus != field;
}

void forwardTruthfully(QAccessibleEvent *event)
{
    if (isStaleFocus(event))
        return;
    // The platform's bridge is what runs when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(forwardTruthfully);
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(FieldAccessible::create);
    QAccessible::installFactory(NotificationAccessible::create);
    QAccessible::installUpdateHandler(forwardTruthfully);
}

} // namespace kelvastro::form
