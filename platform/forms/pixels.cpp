// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/pixels.h"

namespace kelvastro {

PixelRect controlRect(const FormDefinition &form, ControlId id, int dpi, int insetX, int insetY)
{
    const ControlDef &def = form.control(id);
    PixelRect r{pixels(def.left, dpi), pixels(def.top, dpi), pixels(def.width, dpi), pixels(def.height, dpi)};
    if (def.container != kNoControl) {
        r.x -= insetX;
        r.y -= insetY;
    }
    return r;
}

PixelRect clientRect(const FormDefinition &form, int dpi)
{
    return {0, 0, pixels(form.clientWidth, dpi), pixels(form.clientHeight, dpi)};
}

} // namespace kelvastro
