// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/keystroke.h"

#include <windows.h>

#include <optional>

namespace kelvastro {

// Keyboard messages in the form layer's words.
namespace win32 {

// The key a key-down message carries, as the keyboard rules read it, with
// the modifiers held at the time; none for other messages.
std::optional<KeyStroke> strokeOf(const MSG &msg);

} // namespace win32

// Key preview: the character each key produces, from WM_CHAR, with surrogate
// pairs joined into one character and Delete (which sends none) as 0x7F.
class Win32KeyPreview {
public:
    // The message was a key for the window: `character` is what it produced,
    // 0 for none (half a pair, a key without a character of its own).
    struct Key {
        bool taken = false;
        char32_t character = 0;
    };
    Key read(const MSG &msg);

private:
    wchar_t m_high = 0; // the first half of a pair, waiting for the second
};

} // namespace kelvastro
