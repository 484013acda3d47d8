// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/numberlocale.h"

namespace kelvastro {

// How the user's Windows settings write numbers: decimal and group separators,
// group sizes, the minus sign and the digits results are shown in. Typed
// digits of any script are read whatever these say.
NumberLocale userNumberLocale();

} // namespace kelvastro
