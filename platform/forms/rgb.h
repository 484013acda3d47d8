// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <cstdint>

namespace kelvastro {

// A colour as a screen shows it, 0xRRGGBB.
using Rgb = std::uint32_t;

constexpr Rgb rgbOfBgr(std::uint32_t bgr)
{
    return ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

// And back: GDI and the definitions both write colours as 0x00BBGGRR.
constexpr std::uint32_t bgrOfRgb(Rgb rgb) { return rgbOfBgr(rgb); }

constexpr bool isSystemColor(OleColor color) { return (color & 0x80000000u) != 0; }
constexpr int systemColorIndex(OleColor color) { return static_cast<int>(color & 0xFFu); }

// The number of system colours a palette holds (COLOR_SCROLLBAR ... COLOR_MENUBAR).
inline constexpr int kSystemColorCount = 31;

// System colour nn in the classic Windows scheme, the light desktop the
// windows were designed on; black for a number it does not have.
Rgb classicSystemColor(int index);

} // namespace kelvastro
