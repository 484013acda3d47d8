// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>

class QWidget;
class QLabel;

namespace kelvastro::form {

// Window definitions are laid out in twips; 15 of them make one logical
// pixel, which Qt scales on dense screens.
constexpr int px(int twips) { return (twips + 7) / 15; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

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
