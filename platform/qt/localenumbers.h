// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/numberlocale.h"

class QLocale;

namespace kelvastro {

// The user's number notation as the arithmetic needs it: decimal and group
// separators and how many digits each group holds (Indian English groups
// three and then two: 12,34,567.5).
NumberLocale numberLocaleOf(const QLocale &locale);

} // namespace kelvastro
