// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

namespace kelvastro {

// The Tips window: a panel without a title bar with advice on entering values.
// The first key that types a character, or a click on the panel, closes it.
class frmSplash final : public Form {
public:
    explicit frmSplash(FormsServices &forms);

    void handle(const FormEvent &event) override;

    // Whether a key's character is one of those that close the window.
    static bool typesCharacter(char32_t character);

private:
    void Form_KeyPress();
    void Frame1_Click();
};

} // namespace kelvastro
