// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/notificationaccessible.h"

#include "platform/qt/devicepixels.h"

#include <QAccessible>
#include <QLabel>

namespace kelvastro {

namespace {
constexpr char kSpeaksChanges[] = "kelvastroSpeaksChanges";
}

NotificationAccessible::NotificationAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Notification) {}

QAccessibleInterface *NotificationAccessible::create(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(kSpeaksChanges).toBool())
        return new NotificationAccessible(label);
    return nullptr;
}

void NotificationAccessible::speakChanges(QLabel *label)
{
    label->setProperty(kSpeaksChanges, true);
}

void NotificationAccessible::notify(QLabel *label)
{
    if (label->text().isEmpty() || !label->isVisible())
        return;
    // Reported as newly shown: a screen reader speaks a notification then.
    QAccessibleEvent shown(label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QRect NotificationAccessible::rect() const
{
    return form::toDevicePixels(QAccessibleWidget::rect(), widget());
}

QString NotificationAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<const QLabel *>(widget())->text();
    return QAccessibleWidget::text(t);
}

} // namespace kelvastro
