// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/rgb.h"

#include <array>

namespace kelvastro {

namespace {

// Windows 2000's standard scheme, as 0x00BBGGRR, by system colour number.
constexpr std::array<std::uint32_t, kSystemColorCount> kClassic{
    0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xC56A31, 0xC8D0D4,
};

} // namespace

Rgb classicSystemColor(int index)
{
    if (index < 0 || index >= kSystemColorCount)
        return 0;
    return rgbOfBgr(kClassic[static_cast<std::size_t>(index)]);
}

} // namespace kelvastro
