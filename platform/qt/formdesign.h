// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <cstdint>

class QWidget;
class QLabel;

namespace kelvastro::form {

QFont font(const QString &family, double points, bool bold = false);

// Text and background colours in 0x00BBGGRR (or system colour) notation.
void setColors(QWidget *widget, std::uint32_t text, std::uint32_t background);
void setBackground(QWidget *widget, std::uint32_t background);

// The desktop's own colours for a control on a coloured window, every role
// set explicitly so that nothing of the window's colours shows through.
void useDesktopColors(QWidget *widget);

// An opaque, borderless, left-aligned label that wraps its caption in its box.
QLabel *label(QWidget *parent, const char *name, const QString &caption, QRect geometry);

// Stand-ins for the families the windows name, for systems that lack them:
// registered once, before the first window is built.
void registerFontSubstitutes();

} // namespace kelvastro::form
