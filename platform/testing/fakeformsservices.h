// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/keystroke.h"
#include "platform/forms/postedwork.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kelvastro {

// A scripted front end without a toolkit: a test plays the user (types,
// clicks, presses keys), the fake delivers the events the contract of
// formview.h and formsservices.h promises, taking the keyboard and focus rules
// from the form layer as the real front ends do, and records what the windows
// asked for. Work posted by a handler runs when the scripted step is done, so
// nothing waits or depends on timing. Misuse (typing into a control without
// the focus, input to a window under a modal one, a modal window left open)
// is recorded in `faults` rather than ignored.
class FakeFormsServices final : public FormsServices {
public:
    struct ControlState {
        std::string text;
        bool locked = false;
        OleColor backColor = 0;
        // The selected bytes of a text box's text; the caret is at selectionEnd.
        std::size_t selectionStart = 0;
        std::size_t selectionEnd = 0;
    };

    FakeFormsServices();
    ~FakeFormsServices() override;

    // What the user does.
    void type(Form &form, std::string_view characters); // into the focused control, one change per character
    void backspace(Form &form);
    void paste(Form &form, std::string_view text); // over the whole text of the focused control: one change
    void fill(Form &form, ControlId id, std::string_view text); // click into it, select all and type
    void click(Form &form, ControlId id); // kNoControl: the window's own surface
    void tab(Form &form);
    void shiftTab(Form &form);
    // A key that produces `character` (0 for none): key preview first, else
    // the keyboard rules for Enter and Escape.
    void pressKey(Form &form, char32_t character);
    // Any key, through the keyboard rules of a window without key preview;
    // with key preview, the character it produces goes to the window.
    enum class Caret : std::uint8_t { Stays, End };
    void press(Form &form, const KeyStroke &stroke, char32_t produces = 0, Caret caret = Caret::Stays);
    void closeBox(Form &form);
    void leaveWindow(Form &form);    // another program takes the focus...
    void returnToWindow(Form &form); // ...and gives it back

    // What the windows show.
    const ControlState &control(Form &form, ControlId id);
    const std::string &text(Form &form, ControlId id) { return control(form, id).text; }
    ControlId focus(Form &form);
    std::string focusName(Form &form);
    const std::string &caption(Form &form);
    bool isShown(Form &form);
    // The form that takes input: the main window, or the modal one over it.
    Form *active() const { return m_shown.empty() ? nullptr : m_shown.back(); }

    // Shows the form modally with `user` playing inside it; returns whether the
    // user left it open, in which case the test, not the user, closes it.
    bool showModalWith(Form &form, const std::function<void(Form &)> &user);

    // What they asked for.
    std::vector<std::string> messages;
    std::function<void(const std::string &)> onMessage; // runs while the box is open
    std::function<void(Form &)> onModal;                // plays the user in a modal window while it is shown
    std::vector<std::string> modalsShown;
    std::vector<std::string> captionsWritten; // "name=text" for every label, button and status line written
    std::string clipboard;
    int endRequests = 0;
    bool ended() const { return m_ended; }
    ApplicationInfo app{"Kelvastro", 1, 0, 0};
    std::vector<std::string> faults;

    // FormsServices
    FormView &view(Form &form) override;
    void release(Form &form) override;
    void show(Form &form) override;
    void showModal(Form &form) override;
    void unload(Form &form) override;
    void post(Form &owner, std::function<void()> work) override;
    void showMessage(std::string_view text) override;
    void copyToClipboard(std::string_view text) override;
    void endProgram() override;
    ApplicationInfo application() const override { return app; }

private:
    class View;

    View &stateOf(Form &form);
    bool accepts(Form &form, const char *what);
    void deliver(Form &form, const FormEvent &event);
    void moveFocus(Form &form, ControlId to, FocusCause cause);
    void focusLeaves(Form &form);
    void focusReturns(Form &form);
    void replaceSelection(Form &form, std::string_view with);
    void settle();

    std::map<Form *, std::unique_ptr<View>> m_views;
    std::vector<Form *> m_shown; // the main window, then the modal ones over it
    PostedWork m_posted;
    bool m_ended = false;
};

} // namespace kelvastro
