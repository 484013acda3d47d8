// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace kelvastro {

// The accessible interface of the windows, panels, labels and buttons the
// program makes, in place of Qt's own, so that their extents are the
// screen's device pixels (see devicepixels.h) and a point asked about in
// them finds the control under it. Labels are named by their text and
// buttons by their caption without its access-key mark; a button can be
// pressed. A label is the label of the field it names; in a window whose
// description holds its whole text (Tips, About), it is a label of that
// window, so that a screen reader reads the text once, as the description,
// rather than again label by label. Fields and the status line have
// interfaces of their own.
class ScaledAccessible final : public QAccessibleWidget {
public:
    ScaledAccessible(QWidget *widget, QAccessible::Role role);

    // For QAccessible::installFactory: the program's windows, panels, labels and buttons.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QRect rect() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match = QAccessible::AllRelations) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
};

} // namespace kelvastro
