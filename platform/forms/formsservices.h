// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/applicationinfo.h"
#include "platform/forms/formview.h"

#include <functional>
#include <string_view>

namespace kelvastro {

class Form;

// What a window's handlers may ask of the platform beyond their own controls.
// A front end implements it (Qt, Win32, or a scripted fake for the tests) and
// delivers the events of Form::handle (formview.h); windows get it through
// their constructor. Every front end guarantees, and tests/conformance checks:
// - show: loads the start-up form, shows it, gives the focus to the first
//   control of the Tab order (Program) and returns; the program runs until
//   endProgram.
// - showModal: renders and loads the form afresh, shows it where its
//   definition places it with the focus on its first control, and returns
//   only once it is unloaded; the calling window takes no input meanwhile.
//   The caller's focused control hears LostFocus (OtherWindow) as the modal
//   window opens and GotFocus (OtherWindow) once it is gone: the focus round
//   trip, which moves nothing.
// - unload: hides the form and ends its modal showing; no further event of
//   that showing reaches it.
// - post: the work runs after the event being handled is done, before any
//   further input; never once its form is released or the program has ended.
// - showMessage: a modal box owned by the active window, with the text, one
//   OK button and the application title; returns when closed. The focused
//   control makes the same round trip as for a modal window.
// - The close box presses what closeAction() says.
// - endProgram: no handler runs afterwards.
class FormsServices {
public:
    virtual ~FormsServices() = default;

    // The form as shown, rendered from its definition at the first asking.
    virtual FormView &view(Form &form) = 0;
    // The form is being destroyed: its window goes with it.
    virtual void release(Form &form) = 0;

    // The program's main window: loads and shows it, returning at once.
    virtual void show(Form &form) = 0;
    // Loads the form, shows it modally and returns once it is unloaded; the
    // calling window takes no input meanwhile.
    virtual void showModal(Form &form) = 0;
    // Closes the form and ends its modal showing; the next showing loads it afresh.
    virtual void unload(Form &form) = 0;

    // Runs `work` once the event being handled is done, before any other
    // input; never once `owner` is gone.
    virtual void post(Form &owner, std::function<void()> work) = 0;

    // A modal box with the text, one OK button and the application title as
    // its caption; returns once the user has closed it.
    virtual void showMessage(std::string_view text) = 0;
    // Text with '\n' line ends; a front end writes them as its platform's text does.
    virtual void copyToClipboard(std::string_view text) = 0;
    // Ends the program: no further handler runs.
    virtual void endProgram() = 0;
    virtual ApplicationInfo application() const = 0;
};

} // namespace kelvastro
