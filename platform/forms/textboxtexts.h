// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvastro {

// Each text box's text as UTF-8, kept by every front end as it changes: the
// arithmetic reads its fields many times per keystroke, and asking the
// toolkit each time (and converting) would cost more than the arithmetic.
// The rules of a text box's text live here once; a front end supplies the
// hooks:
//   void showText(ControlId, std::string_view)  put the text into the toolkit's control
//   bool holdsFocus(ControlId)                   the control has the keyboard focus
//   void showFromStart(ControlId)                scroll it to its first character, caret there
//   void raiseTextChanged(ControlId)             deliver the form's text-changed event
template <typename Hooks> class TextBoxTexts {
public:
    TextBoxTexts(Hooks &hooks, std::size_t controls) : m_hooks(hooks), m_texts(controls) {}

    const std::string &text(ControlId id) const { return m_texts[id]; }

    // The program writes a text. An unchanged text changes nothing on the
    // screen and raises no event. The toolkit's change notification (changed()
    // below) keeps the copy, since a control may refuse or shorten a text.
    // A written result shows from its first character, sign and integer part
    // in view, unless the user is in the box.
    void write(ControlId id, std::string_view text)
    {
        if (m_texts[id] == text)
            return;
        m_hooks.showText(id, text);
        if (!m_hooks.holdsFocus(id))
            m_hooks.showFromStart(id);
    }

    // The toolkit says the control's text is now `now`, typed, pasted or
    // written: the copy follows it and the form hears of the change, once.
    void changed(ControlId id, std::string now)
    {
        if (m_texts[id] == now)
            return;
        m_texts[id] = std::move(now);
        m_hooks.raiseTextChanged(id);
    }

private:
    Hooks &m_hooks;
    std::vector<std::string> m_texts;
};

} // namespace kelvastro
