// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formevent.h"
#include "platform/forms/keychord.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>

namespace kelvastro {

class FormView;

// A key pressed in a window without key preview, as a front end hands it to
// the rule below before the control with the focus sees it. `character` is
// the key's letter or digit (upper or lower case) for Character.
struct KeyStroke {
    enum class Key : std::uint8_t { Tab, Enter, Escape, Character, Other };
    Key key = Key::Other;
    char32_t character = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// What the key does.
struct KeyOutcome {
    enum class Kind : std::uint8_t {
        None,      // nothing: the key goes on to the control with the focus
        Consumed,  // nothing, and the key goes no further (a single-line field would only beep)
        MoveFocus, // to `control`, with `cause`
        Press,     // a click on the button, menu item or command `control`
    };
    Kind kind = Kind::None;
    ControlId control = kNoControl;
    FocusCause cause = FocusCause::Program;
    bool operator==(const KeyOutcome &) const = default;
};

// A form's commands and their keys, parsed once from the definition.
std::vector<std::pair<KeyChord, ControlId>> commandKeys(const FormDefinition &form);

// The keyboard rules every front end keeps, in this order: a command's
// shortcut runs it; Tab and Shift+Tab step along the Tab order; Enter presses
// the focused button, else the default one, and Escape the cancel one; Alt and
// a letter, or a letter while a button holds the focus, press the button whose
// caption marks that letter. `view` gives the focus and the current captions.
KeyOutcome keyOutcome(const FormDefinition &form, std::span<const std::pair<KeyChord, ControlId>> commands,
                      const FormView &view, const KeyStroke &stroke);

} // namespace kelvastro
