// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/colorscheme.h"

#include <QColor>
#include <QPalette>

namespace kelvastro {

// The desktop's colours as system colours: the application palette's roles
// where one stands for the number, the classic value elsewhere. A desktop
// asks for high contrast when its palette looks it (see looksHighContrast),
// or when its theme is named so: GTK_THEME, or the Plasma colour scheme that
// kdeglobals names. Qt 6.4 has no word of its own for either.
SystemPalette desktopPalette(const QPalette &palette);

QColor qcolor(Rgb rgb);

} // namespace kelvastro
