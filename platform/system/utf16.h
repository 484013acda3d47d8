// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvastro {

// The program speaks UTF-8 and Windows UTF-16: through the wide calls a path
// with characters outside the ANSI code page survives. Windows only.
std::wstring wide(std::string_view utf8);
std::string fromWide(const wchar_t *text, std::size_t length);

} // namespace kelvastro
