// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kelvastro {

// Decodes one UTF-8 sequence at s[i], advancing i; a broken sequence yields
// U+FFFD and one byte, which then fails to read like any other stray character.
char32_t decodeUtf8At(std::string_view s, std::size_t &i);

void appendUtf8(std::string &out, char32_t cp);

} // namespace kelvastro
