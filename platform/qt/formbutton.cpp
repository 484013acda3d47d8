// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/formbutton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace kelvastro {

FormButton::FormButton(const QString &caption, QColor face, QWidget *parent)
    : QPushButton(caption, parent), m_face(face)
{
}

void FormButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Button, m_face);
    const bool down = isDown() || isChecked();
    qDrawWinButton(&p, rect(), pal, down, &pal.brush(QPalette::Button));

    QRect textRect = rect().adjusted(4, 3, -4, -3);
    if (down)
        textRect.translate(1, 1);
    p.setFont(font());
    p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        focus.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace kelvastro
