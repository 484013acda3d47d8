// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <cmath>

// The contrast ratio of two colours, as the web's accessibility guidelines define it.
inline double contrastRatio(QColor a, QColor b)
{
    auto luminance = [](QColor c) {
        auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How many pixels in and just around `control` change by 3:1 or more when it
// takes the focus: what the eye has to find the focus by. The window is
// grabbed once with no focus anywhere and once with the focus on the control.
inline int focusPixels(QWidget *control)
{
    QWidget *window = control->window();
    // Once first, so that a window that scrolls brings the control into view.
    control->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    const QRect area = QRect(control->mapTo(window, QPoint(0, 0)), control->size()).adjusted(-3, -3, 3, 3);
    auto grab = [&] {
        QApplication::processEvents();
        return window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    };
    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();
    const QImage without = grab();
    control->setFocus(Qt::OtherFocusReason);
    const QImage with = grab();
    int changed = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (contrastRatio(QColor(without.pixel(x, y)), QColor(with.pixel(x, y))) >= 3.0)
                ++changed;
    return changed;
}
