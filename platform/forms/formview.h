// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formevent.h"

#include <string>
#include <string_view>

namespace kelvastro {

// One window as a front end shows it: what its handlers may do to its controls.
// Texts are UTF-8.
class FormView {
public:
    virtual ~FormView() = default;

    // A text box's text, a label's, button's or status line's caption, read back exactly as set or typed.
    virtual std::string text(ControlId id) const = 0;
    // Setting a text box's text raises its text-changed event when the text changes.
    virtual void setText(ControlId id, std::string_view text) = 0;
    virtual void setCaption(std::string_view caption) = 0;
    // What assistive technology calls the window.
    virtual void setAccessibleName(std::string_view name) = 0;
    // A locked text box keeps its text and can take the focus, but cannot be edited.
    virtual void setLocked(ControlId id, bool locked) = 0;
    virtual void setBackColor(ControlId id, OleColor color) = 0;
    // The control holds the focus when this returns; the events it raises carry `cause`.
    virtual void setFocus(ControlId id, FocusCause cause = FocusCause::Program) = 0;
    virtual ControlId focus() const = 0;
};

} // namespace kelvastro
