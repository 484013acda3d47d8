// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/colorscheme.h"

#include <windows.h>

#include <string_view>

namespace kelvastro::win32 {

// What the front end draws itself, apart from the system's controls.

// A button in its own face colour (a graphical button), with its focus rectangle.
void drawColouredButton(const DRAWITEMSTRUCT &item, std::wstring_view caption, HBRUSH face, COLORREF text,
                        HFONT font);

// The definition's lines, on the window's surface, beneath the controls.
void drawLines(HDC dc, const FormDefinition &form, const ColorScheme &scheme, UINT dpi);

// The ring round the field with the focus, `field` in the surface's coordinates.
RECT ringAround(RECT field, UINT dpi);
void drawFocusRing(HDC dc, RECT ring, HBRUSH colour, UINT dpi);

} // namespace kelvastro::win32
