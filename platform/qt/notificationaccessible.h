// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace kelvastro {

// A label whose new text a screen reader should speak wherever the focus is,
// as a notification. Qt 6.4's bridge reports a changed name or description
// without the new text, so a screen reader cannot speak those changes; a
// notification that shows is spoken with its text.
class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QLabel *label);

    // For QAccessible::installFactory: labels marked by speakChanges().
    static QAccessibleInterface *create(const QString &className, QObject *object);

    static void speakChanges(QLabel *label);
    // Offers the label's current text to assistive technology.
    static void notify(QLabel *label);

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
};

} // namespace kelvastro
