// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"
#include "platform/forms/rgb.h"

#include <array>
#include <bitset>

namespace kelvastro {

// The platform's system colours, by number, as a front end reads them off
// its desktop, and whether the desktop asks for high contrast.
struct SystemPalette {
    std::array<Rgb, kSystemColorCount> colors{};
    bool highContrast = false;

    Rgb operator[](int index) const { return colors[static_cast<std::size_t>(index)]; }
};

// The light desktop the windows were designed on.
SystemPalette classicPalette();

// WCAG 2.1: the relative luminance of an sRGB colour, and the contrast of two.
double luminance(Rgb color);
double contrast(Rgb a, Rgb b);

// Window text lighter than the window: a dark theme.
bool isDark(const SystemPalette &palette);
// A dark window with text at 15:1 or more: how high-contrast schemes look
// when nothing says so (Wine never does; Qt 6.4 has no word for it).
bool looksHighContrast(const SystemPalette &palette);

// What a control paints its text and background in.
struct Look {
    Rgb text = 0;
    Rgb back = 0;
    bool operator==(const Look &) const = default;
};

// The one rule for colours, kept by every front end. Where the definition
// fixes a colour, it stays. Where it leaves one to the platform (a system
// colour, or a row's empty column), the platform's is taken, unless that
// makes a pair less readable than the design made it (4.5:1, or the
// design's own contrast where that is lower): then the design's colour is
// taken, as it is for every such colour when the platform is dark, so that
// the window looks as designed in every theme. The choice is made per
// window and per colour, not per pair: every part of a window that the
// design gives one system colour (its surface, the labels on it, a field's
// look set at run time) shows one colour, the design palette's as soon as
// any text on it would read worse than designed. In high contrast, every text
// and background is one of the platform's system colours, chosen by what the
// control is: fields the window colour, locked fields the face colour with
// grey text, everything else the face colour; a colour the definition names
// by number keeps that number. The rate field's three looks stay three.
class ColorScheme {
public:
    explicit ColorScheme(const SystemPalette &platform = classicPalette());

    bool highContrast() const { return m_platform.highContrast; }

    // A control of the window with this background colour and, for a text box, this lock.
    Look control(const FormDefinition &form, ControlId id, OleColor back, bool locked) const;
    // What the window's surface shows: its background, and text drawn straight on it (menu bar, status line).
    Look window(const FormDefinition &form) const;
    // Selected text in a text box.
    Look selection() const;
    Rgb line(const FormDefinition &form, const ControlDef &line) const;
    // The ring round the field with the focus, on the window's surface.
    Rgb focusRing(const FormDefinition &form) const;

private:
    // The system colours a window shows in the design's palette rather than the platform's.
    using DesignColors = std::bitset<kSystemColorCount>;
    DesignColors designColors(const FormDefinition &form) const;
    Rgb resolved(OleColor color, const DesignColors &design) const;
    Look contrasting(OleColor text, OleColor back, bool locked, bool field) const;
    Rgb partnerOf(int index) const;

    SystemPalette m_platform;
    SystemPalette m_base; // where open colours come from: the platform's, or the design's on a dark desktop
};

} // namespace kelvastro
