// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/pixels.h"

#include <algorithm>
#include <cstdlib>

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

PixelRect lineRect(const ControlDef &line, int dpi)
{
    const int width = std::max(1, (line.lineWidth * dpi + kDesignDpi / 2) / kDesignDpi);
    const int x1 = pixels(line.left, dpi), y1 = pixels(line.top, dpi);
    const int x2 = pixels(line.width, dpi), y2 = pixels(line.height, dpi);
    return {std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), width),
            std::max(std::abs(y2 - y1), width)};
}

PixelRect placeWindow(const FormDefinition &form, PixelRect clientSize, FrameMargins frame, PixelRect current,
                      PixelRect work, int dpi, int scrollBar)
{
    int width = clientSize.width + frame.left + frame.right;
    int height = clientSize.height + frame.top + frame.bottom;
    if (form.startUp) {
        if (height > work.height)
            width += scrollBar;
        width = std::min(width, work.width);
        height = std::min(height, work.height);
    }
    int x = current.x, y = current.y;
    switch (form.placement) {
    case Placement::Fixed:
        x = pixels(form.left, dpi) - frame.left;
        y = pixels(form.top, dpi) - frame.top;
        break;
    case Placement::CentredOnScreen:
        x = work.x + (work.width - width) / 2;
        y = work.y + (work.height - height) / 2;
        break;
    case Placement::WindowSystem: break;
    }
    x = std::max(work.x, std::min(x, work.x + work.width - width));
    y = std::max(work.y, std::min(y, work.y + work.height - height));
    return {x, y, width, height};
}

} // namespace kelvastro
