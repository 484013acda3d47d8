// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/applicationinfo.h"
#include "platform/forms/formview.h"

#include <functional>
#include <string_view>

namespace kelvastro {

class Form;

// What a window's handlers may ask of the platform beyond their own
// controls; windows get it through their constructor. FormsHost
// (formshost.h) keeps it for every front end, and tests/conformance checks
// each one against it.
class FormsServices {
public:
    virtual ~FormsServices() = default;

    // The form as shown, rendered from its definition at the first asking.
    virtual FormView &view(Form &form) = 0;
    // The form is being destroyed: its window goes with it.
    virtual void release(Form &form) = 0;

    // The program's start-up window: loaded, shown, the focus on the first
    // control of the Tab order (Program); returns at once, and the program
    // runs until endProgram.
    virtual void show(Form &form) = 0;
    // Loaded afresh and shown where its definition places it, the focus on
    // its first control; returns once it is unloaded, the calling window
    // taking no input meanwhile. The caller's focused control hears
    // LostFocus (OtherWindow) as it opens and GotFocus (OtherWindow) once it
    // is gone: the round trip, which moves nothing.
    virtual void showModal(Form &form) = 0;
    // Hidden, its modal showing ended; nothing more of that showing reaches
    // it. The start-up window's unloading ends the program.
    virtual void unload(Form &form) = 0;

    // Runs `work` once the event being handled is done, before any further
    // input; never once `owner` is released or the program has ended.
    virtual void post(Form &owner, std::function<void()> work) = 0;

    // A modal box owned by the active window, with the text, one OK button
    // and the application title as its caption; returns once closed. The
    // focused control makes the same round trip as for a modal window.
    virtual void showMessage(std::string_view text) = 0;
    // Text with '\n' line ends; a front end writes them as its platform's text does.
    virtual void copyToClipboard(std::string_view text) = 0;
    // Ends the program: no handler runs afterwards.
    virtual void endProgram() = 0;
    virtual ApplicationInfo application() const = 0;
};

} // namespace kelvastro
