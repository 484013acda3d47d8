// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32gdicache.h"

#include "platform/win32/win32design.h"

namespace kelvastro {

Win32GdiCache::~Win32GdiCache()
{
    dropFonts();
    dropBrushes();
}

HFONT Win32GdiCache::font(const FontDef &font)
{
    for (const auto &[def, handle] : m_fonts)
        if (def.family == font.family && def.points == font.points && def.bold == font.bold)
            return handle;
    const HFONT handle = win32::createFont(font, m_dpi);
    m_fonts.emplace_back(font, handle);
    return handle;
}

HBRUSH Win32GdiCache::brush(COLORREF color)
{
    for (const auto &[c, handle] : m_brushes)
        if (c == color)
            return handle;
    const HBRUSH handle = CreateSolidBrush(color);
    m_brushes.emplace_back(color, handle);
    return handle;
}

void Win32GdiCache::setDpi(UINT dpi)
{
    dropFonts();
    m_dpi = dpi;
}

void Win32GdiCache::dropFonts()
{
    for (const auto &font : m_fonts)
        DeleteObject(font.second);
    m_fonts.clear();
}

void Win32GdiCache::dropBrushes()
{
    for (const auto &b : m_brushes)
        DeleteObject(b.second);
    m_brushes.clear();
}

} // namespace kelvastro
