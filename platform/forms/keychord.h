// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace kelvastro {

// A key with its modifiers, as a command's shortcut names it. `key` is an
// upper-case letter or digit.
struct KeyChord {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    char32_t key = 0;
    bool operator==(const KeyChord &) const = default;
};

// "Ctrl+Shift+C" and the like; none for a text that names no single key.
std::optional<KeyChord> parseShortcut(std::string_view portable);

// The key after a single '&' in a caption, upper case; "&&" is a plain '&'.
// 0 when the caption has none.
char32_t accessKey(std::string_view caption);

// An ASCII letter in upper case; anything else unchanged.
constexpr char32_t upperAscii(char32_t c) { return c >= U'a' && c <= U'z' ? c - (U'a' - U'A') : c; }

} // namespace kelvastro
