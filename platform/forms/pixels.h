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

} // namespace kelvastro
