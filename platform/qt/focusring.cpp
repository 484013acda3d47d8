// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/focusring.h"

#include <QApplication>
#include <QPainter>

namespace kelvastro {

namespace {
constexpr int kRingWidth = 2;
}

FocusRing::FocusRing(QWidget *window) : QFocusFrame(window)
{
    setObjectName(QStringLiteral("focusRing"));
    hide();
    // Drawing only: where the focus goes is decided elsewhere, this shows it.
    connect(qApp, &QApplication::focusChanged, this, [this, window](QWidget *, QWidget *now) {
        if (now && now->window() == window && now->focusPolicy() & Qt::TabFocus) {
            setWidget(now);
            show();
        } else if (!now || now->window() == window) {
            hide();
        }
    });
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPen pen(m_color);
    pen.setWidth(kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.drawRect(QRectF(rect()).adjusted(kRingWidth / 2.0, kRingWidth / 2.0, -kRingWidth / 2.0, -kRingWidth / 2.0));
}

} // namespace kelvastro
