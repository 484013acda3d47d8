// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

// The labels below `root` whose caption does not show whole with the font
// that actually stands in for the named one: wrapped captions are measured
// by their line boxes, one-line captions by their ink (a large "%" may
// overhang its line box, as it does on the platform the layout comes from).
inline QStringList clippedLabels(const QWidget *root)
{
    QStringList clipped;
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics fm = label->fontMetrics();
        QRect needed;
        if (fm.horizontalAdvance(label->text()) <= label->width()) {
            const QRect ink = fm.tightBoundingRect(label->text());
            needed = QRect(0, 0, ink.right() + 1, fm.ascent() + ink.bottom() + 1);
            if (label->alignment() & Qt::AlignRight)
                needed.moveRight(label->width() - 1);
        } else {
            const int flags = int(Qt::TextWordWrap) | int(label->alignment());
            needed = fm.boundingRect(QRect(0, 0, label->width(), 100000), flags, label->text());
        }
        // Parts of a label outside its parent are cut off, as a caption that
        // starts left of its panel is.
        const QRect visible = label->rect().intersected(
            QRect(label->mapFromParent(QPoint(0, 0)), label->parentWidget()->size()));
        if (!visible.contains(needed))
            clipped << QStringLiteral("%1 needs %2x%3 at %4,%5")
                           .arg(label->objectName())
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(needed.left())
                           .arg(needed.top());
    }
    return clipped;
}
