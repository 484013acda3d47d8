// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32painting.h"

#include "platform/forms/pixels.h"

#include <algorithm>
#include <string>

namespace kelvastro::win32 {

namespace {
constexpr int kRingWidth = 2; // pixels at 96 DPI, outside the field
} // namespace

void drawColouredButton(const DRAWITEMSTRUCT &item, std::wstring_view caption, HBRUSH face, COLORREF text,
                        HFONT font)
{
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    RECT surface = r;
    const int edge = GetSystemMetrics(SM_CXEDGE);
    InflateRect(&surface, -edge, -edge);
    FillRect(dc, &surface, face);
    const std::wstring words(caption);
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : text);
    RECT area = surface;
    InflateRect(&area, -edge, -edge);
    RECT measured = area;
    const UINT format = DT_CENTER | DT_WORDBREAK | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    DrawTextW(dc, words.c_str(), -1, &measured, format | DT_CALCRECT);
    const int offset = (area.bottom - area.top - (measured.bottom - measured.top)) / 2 + (pressed ? 1 : 0);
    OffsetRect(&area, pressed ? 1 : 0, offset);
    DrawTextW(dc, words.c_str(), -1, &area, format);
    SelectObject(dc, old);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&surface, -edge, -edge);
        DrawFocusRect(dc, &surface);
    }
}

void drawLines(HDC dc, const FormDefinition &form, const ColorScheme &scheme, UINT dpi)
{
    for (const ControlDef &def : form.controls) {
        if (def.kind != ControlKind::Line)
            continue;
        const PixelRect r = lineRect(def, static_cast<int>(dpi));
        const RECT covered{r.x, r.y, r.x + r.width, r.y + r.height};
        const HBRUSH colour = CreateSolidBrush(bgrOfRgb(scheme.line(form, def)));
        FillRect(dc, &covered, colour);
        DeleteObject(colour);
    }
}

RECT ringAround(RECT field, UINT dpi)
{
    const int ring = MulDiv(kRingWidth, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    InflateRect(&field, ring, ring);
    return field;
}

// The caret alone is hard to find in a grey read-only field: the field with
// the focus has a ring round it.
void drawFocusRing(HDC dc, RECT ring, HBRUSH colour, UINT dpi)
{
    const int width = MulDiv(kRingWidth, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, &ring, colour);
        InflateRect(&ring, -1, -1);
    }
}

} // namespace kelvastro::win32
