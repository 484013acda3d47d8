// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace kelvastro::form {

// Qt 6.4's accessibility bridge hands assistive technology logical pixels;
// the screen a magnifier or a screen reader's mouse review looks at is in
// device pixels, which differ on a scaled screen (QT_SCALE_FACTOR 1.25 and
// the like). This converts a global rectangle on `widget`'s screen.
QRect toDevicePixels(const QRect &logical, const QWidget *widget);

} // namespace kelvastro::form
