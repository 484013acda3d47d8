// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

namespace kelvastro {

// The definitions are laid out in twips, 1440 to the inch; a front end draws
// in its own pixels at its own dots per inch (96 for Qt's logical pixels, the
// window's DPI on Windows). Rounded half away from zero, as Windows' MulDiv does.
constexpr int pixels(int twips, int dpi)
{
    const long long product = static_cast<long long>(twips) * dpi;
    return static_cast<int>(product >= 0 ? (product + 720) / 1440 : -((-product + 720) / 1440));
}

inline constexpr int kDesignDpi = 96;

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PixelRect &) const = default;
};

// Where a control goes in its parent at `dpi`. A control in a panel is placed
// from the panel's outer corner, as the table gives it; `inset` is how far the
// panel's border moves its inner surface, which is the control's parent.
PixelRect controlRect(const FormDefinition &form, ControlId id, int dpi, int insetX = 0, int insetY = 0);

// The client area the definition asks for.
PixelRect clientRect(const FormDefinition &form, int dpi);

// The pixels a line of the definition covers at `dpi`. Lines run across or
// down; one is lineWidth pixels at 96 DPI wide, never less than one, and a
// wider one grows down and right from its end points, as the design drew it.
PixelRect lineRect(const ControlDef &line, int dpi);

// How far a window's frame reaches beyond its client area on each side.
struct FrameMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Where a window goes on a screen whose work area is `work`, and how large it
// is, frame included, for a client area of `clientSize` (width and height) at
// `dpi`: the start-up window never larger than the work area (its fields
// scroll, with room for a `scrollBar` wide scroll bar when it is cut short);
// placed at the definition's fixed point (its client area's corner there),
// centred on the work area, or where the window system put it (`current`,
// the frame's corner); then moved, where it must, so that all of it is on
// the work area.
PixelRect placeWindow(const FormDefinition &form, PixelRect clientSize, FrameMargins frame, PixelRect current,
                      PixelRect work, int dpi, int scrollBar);

} // namespace kelvastro
