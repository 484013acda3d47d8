// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/scaledaccessible.h"

#include "platform/qt/clickableframe.h"
#include "platform/qt/devicepixels.h"
#include "platform/qt/formcanvas.h"
#include "platform/qt/formdialog.h"
#include "platform/qt/formmainwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace kelvastro {

namespace {

// A caption without its access-key marks: "&System Info..." is read "System Info...".
QString withoutMarks(QString caption)
{
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i] == u'&')
            caption.remove(i, 1);
    return caption;
}

} // namespace

ScaledAccessible::ScaledAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

QAccessibleInterface *ScaledAccessible::create(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<FormMainWindow *>(widget))
        return new ScaledAccessible(widget, QAccessible::Window);
    if (qobject_cast<FormDialog *>(widget))
        return new ScaledAccessible(widget, QAccessible::Dialog);
    if (qobject_cast<FormCanvas *>(widget))
        return new ScaledAccessible(widget, QAccessible::Client);
    if (qobject_cast<ClickableFrame *>(widget))
        return new ScaledAccessible(widget, QAccessible::Pane);
    if (qobject_cast<QLabel *>(widget))
        return new ScaledAccessible(widget, QAccessible::StaticText);
    if (qobject_cast<QPushButton *>(widget))
        return new ScaledAccessible(widget, QAccessible::PushButton);
    if (qobject_cast<QStatusBar *>(widget))
        return new ScaledAccessible(widget, QAccessible::StatusBar);
    return nullptr;
}

QRect ScaledAccessible::rect() const
{
    return form::toDevicePixels(QAccessibleWidget::rect(), widget());
}

QAccessibleInterface *ScaledAccessible::childAt(int x, int y) const
{
    // Each child answers in device pixels too: the point is compared in them.
    const QPoint point(x, y);
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface *c = child(i);
        if (c && !c->state().invisible && c->rect().contains(point))
            return c;
    }
    return nullptr;
}

QString ScaledAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        if (const auto *label = qobject_cast<const QLabel *>(widget()))
            return label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget()))
            return withoutMarks(button->text());
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State ScaledAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto *button = qobject_cast<const QPushButton *>(widget())) {
        s.pressed = button->isDown();
        s.defaultButton = button->isDefault();
    }
    return s;
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>> ScaledAccessible::relations(
    QAccessible::Relation match) const
{
    auto related = QAccessibleWidget::relations(match);
    const auto *label = qobject_cast<const QLabel *>(widget());
    if (!label || !(match & QAccessible::Labelled))
        return related;
    // Qt 6.4 has no "description for" relation; "label for" is the one that
    // tells a screen reader these labels are not text of their own.
    QWidget *named = label->buddy();
    if (!named && qobject_cast<FormDialog *>(label->window()) && !label->window()->accessibleDescription().isEmpty())
        named = label->window();
    if (QAccessibleInterface *other = named ? QAccessible::queryAccessibleInterface(named) : nullptr)
        related.append({other, QAccessible::Labelled});
    return related;
}

QStringList ScaledAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (qobject_cast<const QAbstractButton *>(widget()))
        names.prepend(pressAction());
    return names;
}

void ScaledAccessible::doAction(const QString &actionName)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget()); button && actionName == pressAction()) {
        button->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

} // namespace kelvastro
