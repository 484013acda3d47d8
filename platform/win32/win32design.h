// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <windows.h>

namespace kelvastro::win32 {

// The window's dots per inch: per monitor where Windows tells it, else the system's.
UINT dpiOf(HWND window);

// The face a family is drawn with: the tables' one bitmap face becomes its outline twin.
std::string_view outlineFace(std::string_view family);

// A font of the family and size the tables give, at `dpi`; the caller deletes it.
HFONT createFont(const FontDef &font, UINT dpi);

// Windows turns visual styles off in High Contrast; Wine keeps them, and a
// status bar then writes the high-contrast text on the style's light pane.
// `plain` takes the style off `control`, so that it draws in the system's
// colours as on Windows; false gives it back.
void drawPlain(HWND control, bool plain);

// The outer size of a window whose client area is `client`, at `dpi`.
RECT windowRectFor(RECT client, DWORD style, DWORD exStyle, bool hasMenu, UINT dpi);

} // namespace kelvastro::win32
