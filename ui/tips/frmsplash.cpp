// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tips/frmsplash.h"

#include "ui/tips/frmsplashdefinition.h"

namespace kelvastro {

frmSplash::frmSplash(FormsServices &forms) : Form(forms, tips::definition()) {}

void frmSplash::handle(const FormEvent &event)
{
    if (event.kind == EventKind::KeyPress && typesCharacter(event.character))
        Form_KeyPress();
    else if (event.kind == EventKind::Click && event.control == tips::Frame1)
        Frame1_Click();
}

// Letters, digits, blank and the other printable characters, Enter, Escape
// and Backspace close the window. Delete carries the character DEL but types
// none, and Ctrl+letter carries a control character: neither closes it.
bool frmSplash::typesCharacter(char32_t c)
{
    if (c == U'\r' || c == U'\x1B' || c == U'\b')
        return true;
    const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
    const bool surrogate = c >= 0xD800 && c < 0xE000;
    return !control && !surrogate && c <= 0x10FFFF;
}

void frmSplash::Form_KeyPress() { services().unload(*this); }

void frmSplash::Frame1_Click() { services().unload(*this); }

} // namespace kelvastro
