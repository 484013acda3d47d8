// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kelvastro {

// The title that captions every message box, and the version the About window shows.
struct ApplicationInfo {
    std::string_view title;
    int major = 0;
    int minor = 0;
    int revision = 0;
};

} // namespace kelvastro
