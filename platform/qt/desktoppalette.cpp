// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/desktoppalette.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace kelvastro {

namespace {

std::optional<QPalette::ColorRole> paletteRole(int index)
{
    switch (index) {
    case 4: return QPalette::Window;     // menu
    case 5: return QPalette::Base;       // window background
    case 7: return QPalette::WindowText; // menu text
    case 8: return QPalette::Text;       // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 16: return QPalette::Mid; // button shadow
    case 17: return QPalette::PlaceholderText;
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light; // button highlight
    case 21: return QPalette::Shadow;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return std::nullopt;
    }
}

bool namedHighContrast(const QString &name) { return name.contains(QLatin1String("contrast"), Qt::CaseInsensitive); }

bool themeAsksForHighContrast()
{
    if (namedHighContrast(qEnvironmentVariable("GTK_THEME")))
        return true;
    if (!qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        return false;
    const QString kdeglobals =
        QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (kdeglobals.isEmpty())
        return false;
    const QSettings settings(kdeglobals, QSettings::IniFormat);
    return namedHighContrast(settings.value(QStringLiteral("General/ColorScheme")).toString());
}

} // namespace

SystemPalette desktopPalette(const QPalette &palette)
{
    SystemPalette out = classicPalette();
    for (int i = 0; i < kSystemColorCount; ++i)
        if (const auto role = paletteRole(i))
            out.colors[static_cast<std::size_t>(i)] = palette.color(QPalette::Active, *role).rgb() & 0xFFFFFFu;
    out.highContrast = themeAsksForHighContrast();
    return out;
}

QColor qcolor(Rgb rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u)); }

} // namespace kelvastro
