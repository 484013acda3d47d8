// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/colorscheme.h"

#include <QFont>
#include <QString>

#include <cstdint>

class QWidget;
class QLabel;

namespace kelvastro::form {

// A font of the design's: its family, or the first installed stand-in for it.
QFont font(const QString &family, double points, bool bold = false);

// A control's text and background as the colour rule resolved them, every
// role that draws either; a text box's selection too.
void setLook(QWidget *widget, const Look &look, const Look &selection);

// The desktop's own colours for a control on a coloured window, every role
// set explicitly so that nothing of the window's colours shows through.
void useDesktopColors(QWidget *widget);

// An opaque, borderless, left-aligned label that wraps its caption in its box.
QLabel *label(QWidget *parent, const char *name, const QString &caption, QRect geometry);

} // namespace kelvastro::form
