// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/applicationinfo.h"
#include "platform/forms/colorscheme.h"
#include "platform/forms/formhost.h"
#include "platform/forms/formsservices.h"

#include <deque>
#include <map>
#include <memory>
#include <string_view>

namespace kelvastro {

// The forms services as every front end runs them, written once: a FormHost
// for each form, made at the first asking; the start-up window; the steps of
// a showing; posted work; the end of the program; the desktop's colours.
// A front end derives from it, makes its NativeWindow for each form and
// supplies the few calls below that only its toolkit can make.
class FormsHost : public FormsServices {
public:
    explicit FormsHost(const ApplicationInfo &application) : m_application(application) {}
    ~FormsHost() override;
    FormsHost(const FormsHost &) = delete;
    FormsHost &operator=(const FormsHost &) = delete;

    FormView &view(Form &form) override { return host(form); }
    void release(Form &form) override;
    // Places, loads and shows the start-up form, the focus on its first control.
    void show(Form &form) override;
    // prepareModal(), then the form runs modally; returns once it is unloaded.
    void showModal(Form &form) override;
    // A secondary window's showing up to its modal loop: placed, loaded and
    // described, the focus on its first control.
    void prepareModal(Form &form);
    void unload(Form &form) override;
    void post(Form &owner, std::function<void()> work) override;
    void showMessage(std::string_view text) override { messageBox(text); }
    void endProgram() override;
    ApplicationInfo application() const override { return m_application; }

    FormHost &host(Form &form);
    // A window already made, by its form's name; none if there is none.
    FormHost *find(std::string_view formName);
    bool ended() const { return m_ended; }
    const ColorScheme &scheme() const { return m_scheme; }
    // The desktop's colours, read at start and after every change: every
    // window shows itself in them again.
    void setPalette(const SystemPalette &palette);
    // The oldest piece of posted work, run from the event loop after wake();
    // false when there was none, or the program has ended.
    bool runPosted();

protected:
    // The windows go, while the front end that made them is still whole: its destructor calls this.
    void releaseAll() { m_hosts.clear(); }
    // The native window of `host`'s form; `owner` is the start-up window's,
    // which a secondary window belongs to, or null.
    virtual std::unique_ptr<NativeWindow> createWindow(FormHost &host, FormHost *owner) = 0;
    // Work was posted: runPosted() once the event being handled is done,
    // before any further input, from the event loop.
    virtual void wake() = 0;
    // The event loop ends for good.
    virtual void quit() = 0;
    // A modal box owned by the active window: the text, one OK button, the
    // application title; returns once it is closed.
    virtual void messageBox(std::string_view text) = 0;

private:
    std::map<Form *, std::unique_ptr<FormHost>> m_hosts;
    Form *m_main = nullptr;
    std::deque<std::pair<const Form *, std::function<void()>>> m_work; // each piece with the form that posted it
    ColorScheme m_scheme;
    ApplicationInfo m_application;
    bool m_ended = false;
};

} // namespace kelvastro
