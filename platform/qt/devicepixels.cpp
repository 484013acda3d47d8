// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/devicepixels.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace kelvastro::form {

namespace {

// A screen's corner is where it is in both kinds of pixel; the rest scales from it.
QPointF originOf(const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : nullptr;
    return screen ? QPointF(screen->geometry().topLeft()) : QPointF();
}

} // namespace

QRect toDevicePixels(const QRect &logical, const QWidget *widget)
{
    if (!widget || logical.isNull())
        return logical;
    const qreal ratio = widget->devicePixelRatioF();
    const QPointF origin = originOf(widget);
    const QPointF topLeft = origin + (QPointF(logical.topLeft()) - origin) * ratio;
    const QSizeF size = QSizeF(logical.size()) * ratio;
    return {QPoint(qRound(topLeft.x()), qRound(topLeft.y())), QSize(qRound(size.width()), qRound(size.height()))};
}

} // namespace kelvastro::form
