// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/clickableframe.h"

#include <QMouseEvent>

namespace kelvastro {

ClickableFrame::ClickableFrame(QWidget *parent) : QFrame(parent) {}

void ClickableFrame::shieldClicks(QWidget *child)
{
    child->installEventFilter(this);
}

void ClickableFrame::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableFrame::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

bool ClickableFrame::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        event->accept();
        return true;
    default:
        return QFrame::eventFilter(watched, event);
    }
}

} // namespace kelvastro
