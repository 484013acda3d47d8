// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/colorscheme.h"
#include "platform/forms/form.h"
#include "platform/forms/keystroke.h"
#include "platform/forms/nativewindow.h"

#include <memory>
#include <string>
#include <vector>

namespace kelvastro {

class FormsHost;

// One window of the program as every front end runs it, written once: the
// state of its controls, the focus as the form hears of it, the keyboard
// rules, and the steps of each showing; it keeps formview.h's contract. A
// NativeWindow (nativewindow.h) draws it and reports what the user does
// through the calls under "the toolkit says".
//
// The focus: a move the host makes (a handler's, the Tab key's) is told to
// the form first, and the toolkit's focus is moved once, where the handlers
// left it, so that a screen reader hears of one change and not of the fields
// the focus passed through. A move the toolkit made itself is told as it
// comes; a handler overtakes it the same way.
class FormHost final : public FormView {
public:
    FormHost(FormsHost &services, Form &form);
    ~FormHost() override;
    FormHost(const FormHost &) = delete;
    FormHost &operator=(const FormHost &) = delete;

    void attach(std::unique_ptr<NativeWindow> native) { m_native = std::move(native); }
    NativeWindow &native() const { return *m_native; }
    Form &form() const { return m_form; }
    const FormDefinition &definition() const { return m_definition; }

    // FormView: what the window's handlers do.
    std::string text(ControlId id) const override;
    void setText(ControlId id, std::string_view text) override;
    void setCaption(std::string_view caption) override;
    void setLocked(ControlId id, bool locked) override;
    void setBackColor(ControlId id, OleColor color) override;
    void setFocus(ControlId id, FocusCause cause = FocusCause::Program) override;
    ControlId focus() const override { return m_focused; }

    // The toolkit says: a text box's text is `now`, typed, pasted or as showText() left it.
    void textChanged(ControlId id, std::string now);
    // The toolkit moved its focus to `id` itself (a click, the window active
    // again), or away from `id`, to another control or to nothing of this
    // window (another window, a menu, a message box); `cause` as focusCause()
    // reads the toolkit. A loss then an arrival is one move, heard as one.
    void focusArrived(ControlId id, FocusCause cause);
    void focusLeft(ControlId id, FocusCause cause);
    // The window is active again and gave the focus to itself: the control
    // that had it gets it back, the round trip of the contract.
    void activated();
    // A key before the focused control sees it, through the keyboard rules:
    // true when it was used, and goes no further.
    bool keyPressed(const KeyStroke &stroke);
    // A key in a window with key preview: the character it produced, 0 for none.
    void keyPreviewed(char32_t character);
    // A button, menu item, panel or command was activated.
    void clicked(ControlId id);
    // A press on a control that the focus was refused to (a handler took it
    // back) presses nothing; the toolkit asks as the press comes.
    bool refusesPress(ControlId id) const;
    // The close box, or Alt+F4: ends the program from the start-up window,
    // presses the cancel button, or else unloads the window.
    void closeBoxPressed();

    // What the native window draws.
    Look look(ControlId id) const;
    bool locked(ControlId id) const { return m_locked[id]; }

    // The steps of a showing, which FormsHost runs: load, describe (what a
    // screen reader reads of a secondary window: every label's text as the
    // load step left it), the focus to the first control of the Tab order
    // (Program), and the end, after which the form hears nothing of it.
    void load();
    void describe();
    void focusFirst();
    void unloaded();
    bool live() const { return m_live; }

private:
    void deliver(const FormEvent &event);
    void moveFocus(ControlId to, FocusCause cause);
    void press(ControlId id);

    FormsHost &m_services;
    Form &m_form;
    const FormDefinition &m_definition;
    std::unique_ptr<NativeWindow> m_native;
    std::vector<std::string> m_texts; // every control's text or caption, UTF-8
    std::vector<OleColor> m_backColors;
    std::vector<bool> m_locked;
    std::vector<std::pair<KeyChord, ControlId>> m_commands;
    ControlId m_focused = kNoControl;   // where the focus is, or returns to from another window
    ControlId m_announced = kNoControl; // the control that heard it got the focus, until it hears it lost it
    ControlId m_toolkit = kNoControl;   // where the toolkit's own focus is, as far as it said
    int m_moves = 0;                    // moves under way, one inside another's handler
    bool m_selectAll = false;           // the move that set m_focused was Tab's into a text box
    bool m_applying = false;            // the toolkit's focus is being moved: its reports are echoes
    bool m_live = false;                // loaded, and not unloaded since
};

} // namespace kelvastro
