// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/olecolor.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kelvastro {

namespace {

constexpr std::uint32_t kSystemFlag = 0x80000000u;

QColor fromBgr(std::uint32_t bgr)
{
    return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF)};
}

#ifndef _WIN32
// The classic Windows scheme, for system colours that no palette role matches.
constexpr std::array<std::uint32_t, 31> kClassic{
    0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xC56A31, 0xC8D0D4,
};

std::optional<QPalette::ColorRole> paletteRole(int index)
{
    switch (index) {
    case 4: return QPalette::Window;          // menu
    case 5: return QPalette::Base;            // window background
    case 7: return QPalette::WindowText;      // menu text
    case 8: return QPalette::Text;            // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;          // button highlight
    case 16: return QPalette::Mid;            // button shadow
    case 21: return QPalette::Shadow;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return std::nullopt;
    }
}
#endif

} // namespace

QColor systemColor(int index)
{
#ifdef _WIN32
    return fromBgr(static_cast<std::uint32_t>(GetSysColor(index)));
#else
    if (auto role = paletteRole(index))
        return QGuiApplication::palette().color(QPalette::Active, *role);
    if (index >= 0 && static_cast<std::size_t>(index) < kClassic.size())
        return fromBgr(kClassic[static_cast<std::size_t>(index)]);
    return {Qt::black};
#endif
}

QColor oleColor(std::uint32_t value)
{
    if (value & kSystemFlag)
        return systemColor(static_cast<int>(value & 0xFF));
    return fromBgr(value);
}

} // namespace kelvastro
