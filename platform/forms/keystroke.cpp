// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/keystroke.h"

#include "platform/forms/formview.h"

namespace kelvastro {

std::vector<std::pair<KeyChord, ControlId>> commandKeys(const FormDefinition &form)
{
    std::vector<std::pair<KeyChord, ControlId>> keys;
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        if (form.controls[i].kind == ControlKind::Command)
            if (const auto chord = parseShortcut(form.controls[i].shortcut))
                keys.emplace_back(*chord, static_cast<ControlId>(i));
    return keys;
}

KeyOutcome keyOutcome(const FormDefinition &form, std::span<const std::pair<KeyChord, ControlId>> commands,
                      const FormView &view, const KeyStroke &stroke)
{
    using Key = KeyStroke::Key;
    using Kind = KeyOutcome::Kind;
    if (stroke.key == Key::Character) {
        const KeyChord pressed{stroke.ctrl, stroke.shift, stroke.alt, upperAscii(stroke.character)};
        for (const auto &[chord, command] : commands)
            if (chord == pressed)
                return {Kind::Press, command};
    }
    const ControlId focused = view.focus();
    switch (stroke.key) {
    case Key::Tab: {
        if (stroke.ctrl || stroke.alt)
            return {};
        const ControlId to = tabStep(form, focused, stroke.shift);
        if (to == kNoControl)
            return {};
        return {Kind::MoveFocus, to, stroke.shift ? FocusCause::ShiftTab : FocusCause::Tab};
    }
    case Key::Enter:
    case Key::Escape: {
        const ControlId button = buttonForKey(form, stroke.key == Key::Enter ? U'\r' : U'\x1B', focused);
        return button == kNoControl ? KeyOutcome{Kind::Consumed} : KeyOutcome{Kind::Press, button};
    }
    case Key::Character: {
        const bool onButton = focused != kNoControl && form.control(focused).kind == ControlKind::Button;
        if (stroke.ctrl || (!stroke.alt && !onButton))
            return {};
        const char32_t wanted = upperAscii(stroke.character);
        for (std::size_t i = 0; i < form.controls.size(); ++i) {
            const auto id = static_cast<ControlId>(i);
            if (form.control(id).kind == ControlKind::Button && wanted != 0 && accessKey(view.text(id)) == wanted)
                return {Kind::Press, id};
        }
        return {};
    }
    case Key::Other:
        break;
    }
    return {};
}

} // namespace kelvastro
