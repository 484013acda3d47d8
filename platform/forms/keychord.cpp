// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/keychord.h"

namespace kelvastro {

std::optional<KeyChord> parseShortcut(std::string_view portable)
{
    KeyChord chord;
    while (!portable.empty()) {
        const auto plus = portable.find('+');
        // The last part is the key; "Ctrl++" would name the plus key itself.
        if (plus == std::string_view::npos || plus + 1 == portable.size()) {
            if (portable.size() != 1)
                return std::nullopt;
            chord.key = upperAscii(static_cast<unsigned char>(portable.front()));
            return chord;
        }
        const std::string_view modifier = portable.substr(0, plus);
        if (modifier == "Ctrl")
            chord.ctrl = true;
        else if (modifier == "Shift")
            chord.shift = true;
        else if (modifier == "Alt")
            chord.alt = true;
        else
            return std::nullopt;
        portable.remove_prefix(plus + 1);
    }
    return std::nullopt;
}

char32_t accessKey(std::string_view caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return upperAscii(static_cast<unsigned char>(caption[i + 1]));
        ++i;
    }
    return 0;
}

} // namespace kelvastro
