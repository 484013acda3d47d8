// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/accessibility.h"

#include "platform/qt/fieldaccessible.h"
#include "platform/qt/notificationaccessible.h"
#include "platform/qt/scaledaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace kelvastro::form {

namespace {

// The field whose arrival a screen reader was last told of.
QPointer<QObject> g_reported;
// A field the focus came back to from a menu, whose report waits a turn.
QPointer<QObject> g_deferred;

void forwardTruthfully(QAccessibleEvent *event);

void forward(QAccessibleEvent *event)
{
    // The platform's bridge is what runs when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(forwardTruthfully);
}

bool isStaleFocus(const QAccessibleEvent *event)
{
    if (event->type() != QAccessible::Focus || event->child() >= 0)
        return false;
    // Only fields forward or take back the focus; menus report their own.
    auto *field = qobject_cast<QLineEdit *>(event->object());
    QWidget *focus = QApplication::focusWidget();
    return field && focus && focus != field;
}

// Qt reports a field's selection as the focus arrives, before the focus
// itself, and the field left reports that it lost its selection: a screen
// reader would speak the value twice and "unselected" besides. A field's
// text events count only once its arrival is told, and while it has the focus.
bool isSelectionOfAnotherField(const QAccessibleEvent *event)
{
    if (event->type() != QAccessible::TextSelectionChanged && event->type() != QAccessible::TextCaretMoved)
        return false;
    QObject *field = qobject_cast<QLineEdit *>(event->object());
    return field && (field != QApplication::focusWidget() || field != g_reported);
}

void forwardTruthfully(QAccessibleEvent *event)
{
    if (isStaleFocus(event) || isSelectionOfAnotherField(event))
        return;
    if (event->type() == QAccessible::Focus && event->child() < 0) {
        QObject *object = event->object();
        if (object && object == g_deferred) {
            // The menu that gave the focus back may have opened a window that
            // takes it now: told only if it is still here a turn later.
            g_deferred = nullptr;
            QTimer::singleShot(0, object, [object] {
                auto *widget = qobject_cast<QWidget *>(object);
                const QWidget *modal = QApplication::activeModalWidget();
                if (widget && widget == QApplication::focusWidget() && (!modal || modal == widget->window())) {
                    g_reported = object;
                    QAccessibleEvent again(object, QAccessible::Focus);
                    forward(&again);
                }
            });
            return;
        }
        g_reported = object;
    }
    forward(event);
}

} // namespace

void installAccessibility()
{
    // Factories are asked newest first: the general one goes in first, to be asked last.
    QAccessible::installFactory(ScaledAccessible::create);
    QAccessible::installFactory(FieldAccessible::create);
    QAccessible::installFactory(NotificationAccessible::create);
    QAccessible::installUpdateHandler(forwardTruthfully);
}

void focusCameBackFromAMenu(QWidget *control)
{
    g_deferred = control;
}

} // namespace kelvastro::form
