// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32keyboard.h"

namespace kelvastro {

namespace win32 {

std::optional<KeyStroke> strokeOf(const MSG &msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return std::nullopt;
    KeyStroke stroke{KeyStroke::Key::Other, 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0,
                     GetKeyState(VK_MENU) < 0};
    const WPARAM vk = msg.wParam;
    if (vk == VK_TAB)
        stroke.key = KeyStroke::Key::Tab;
    else if (vk == VK_RETURN)
        stroke.key = KeyStroke::Key::Enter;
    else if (vk == VK_ESCAPE)
        stroke.key = KeyStroke::Key::Escape;
    else if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        // Letters' and digits' virtual keys are their upper-case characters in every layout.
        stroke.key = KeyStroke::Key::Character;
        stroke.character = static_cast<char32_t>(vk);
    }
    return stroke;
}

} // namespace win32

Win32KeyPreview::Key Win32KeyPreview::read(const MSG &msg)
{
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_DELETE)
        return {true, U'\x7F'};
    if (msg.message != WM_CHAR)
        return {};
    const auto unit = static_cast<wchar_t>(msg.wParam);
    if (unit >= 0xD800 && unit < 0xDC00) {
        m_high = unit;
        return {true, 0};
    }
    const wchar_t high = m_high;
    m_high = 0;
    if (unit >= 0xDC00 && unit < 0xE000) {
        if (!high)
            return {true, 0}; // the second half alone is no character
        return {true, 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00)};
    }
    return {true, unit};
}

} // namespace kelvastro
