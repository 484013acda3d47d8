// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <windows.h>

namespace kelvastro::win32 {

// The window's dots per inch: per monitor where Windows tells it, else the system's.
UINT dpiOf(HWND window);

// A font of the family and size the tables give, at `dpi`; the caller deletes it.
HFONT createFont(const FontDef &font, UINT dpi);

// A table colour as GDI draws it: system colours are the real ones of this desktop.
COLORREF colorOf(OleColor color);

// The outer size of a window whose client area is `client`, at `dpi`.
RECT windowRectFor(RECT client, DWORD style, DWORD exStyle, bool hasMenu, UINT dpi);

} // namespace kelvastro::win32
