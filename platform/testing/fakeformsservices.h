// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formshost.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelvastro {

// A front end without a toolkit: the shared FormsHost with a native window
// that keeps what a toolkit's controls would show, and a user played by the
// test (types, clicks, presses keys). Work posted by a handler runs when the
// scripted step is done, so nothing waits or depends on timing. Misuse (input
// to a window that is not the active one, typing with no text box holding the
// focus, a modal window left open) is recorded in `faults`.
class FakeFormsServices final : public FormsHost {
public:
    // A control as the fake toolkit shows it: the selected bytes of a text
    // box's text, the caret at selectionEnd.
    struct ControlState {
        std::string text;
        bool locked = false;
        std::size_t selectionStart = 0;
        std::size_t selectionEnd = 0;
    };
    enum class Caret : std::uint8_t { Stays, End };

    explicit FakeFormsServices(const ApplicationInfo &application = {"Kelvastro", 1, 0, 0}) : FormsHost(application) {}

    // What the user does, to `form`, which must take input.
    void type(Form &form, std::string_view characters); // into the focused text box, one change per character
    void backspace(Form &form);
    void paste(Form &form, std::string_view text); // over the whole text of the focused text box: one change
    void fill(Form &form, ControlId id, std::string_view text); // click into it, select all and type
    void click(Form &form, ControlId id); // kNoControl: the window's own surface
    // A key through the keyboard rules (key preview: the character it
    // produces goes to the window); one they leave alone does what a text
    // box does with it: Backspace deletes, End moves the caret.
    void press(Form &form, const KeyStroke &stroke, char32_t produces = 0, Caret caret = Caret::Stays);
    void tab(Form &form) { press(form, {KeyStroke::Key::Tab}); }
    void closeBox(Form &form);
    void leaveWindow(Form &form);    // another program takes the focus...
    void returnToWindow(Form &form); // ...and gives it back

    // What the windows show.
    const ControlState &control(Form &form, ControlId id);
    const std::string &text(Form &form, ControlId id) { return control(form, id).text; }
    ControlId focus(Form &form) { return host(form).focus(); }
    std::string focusName(Form &form);
    const std::string &caption(Form &form);
    bool isShown(Form &form);
    // The form that takes input: the main window, or the modal one over it.
    Form *active() const { return m_shown.empty() ? nullptr : m_shown.back(); }

    // Runs `user` inside the form's modal showing; true when the user left
    // it open, and the test, not the user, closed it.
    bool showModalWith(Form &form, const std::function<void(Form &)> &user);

    std::vector<std::string> messages;
    std::function<void(Form &)> onModal; // plays the user in each modal window as it shows
    std::string clipboard;
    std::vector<std::string> faults;

    void copyToClipboard(std::string_view text) override { clipboard = std::string(text); }

protected:
    std::unique_ptr<NativeWindow> createWindow(FormHost &host, FormHost *owner) override;
    void wake() override {} // the work runs when the scripted step is done
    void quit() override {}
    void messageBox(std::string_view text) override;

private:
    class Window;

    Window &window(Form &form);
    bool accepts(Form &form, const char *what);
    void replaceSelection(Form &form, std::string_view with);
    void settle();

    std::vector<Form *> m_shown; // the main window, then the modal ones over it
};

} // namespace kelvastro
