// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <cstdint>

namespace kelvastro {

// Colours are written as 0x00BBGGRR, the way the window definitions give
// them; 0x800000nn instead names the system colour number nn.
QColor oleColor(std::uint32_t value);

// System colour nn: the system's own on Windows; elsewhere the matching role
// of the application palette, else the classic Windows value.
QColor systemColor(int index);

} // namespace kelvastro
