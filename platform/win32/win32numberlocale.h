// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/numberlocale.h"

namespace kelvastro {

// How the user's Windows settings write numbers: decimal and group separators,
// group sizes and the minus sign.
NumberLocale userNumberLocale();

} // namespace kelvastro
