// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace kelvastro {

// The fonts and brushes one window draws with: made at the first asking,
// owned here and freed here, at one DPI at a time.
class Win32GdiCache {
public:
    explicit Win32GdiCache(UINT dpi) : m_dpi(dpi) {}
    ~Win32GdiCache();
    Win32GdiCache(const Win32GdiCache &) = delete;
    Win32GdiCache &operator=(const Win32GdiCache &) = delete;

    HFONT font(const FontDef &font);
    HBRUSH brush(COLORREF color);

    UINT dpi() const { return m_dpi; }
    // Fonts for another DPI; no control may still hold one of the old ones.
    void setDpi(UINT dpi);
    // The system colours changed: brushes are made again as they are asked for.
    void dropBrushes();

private:
    void dropFonts();

    UINT m_dpi;
    std::vector<std::pair<FontDef, HFONT>> m_fonts;
    std::vector<std::pair<COLORREF, HBRUSH>> m_brushes;
};

} // namespace kelvastro
