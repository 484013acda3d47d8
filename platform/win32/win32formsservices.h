// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/colorscheme.h"
#include "platform/forms/formsservices.h"
#include "platform/forms/postedwork.h"
#include "platform/win32/win32formview.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kelvastro {

// The forms services over plain Win32: windows rendered from their
// definitions, modal showing with the calling window disabled, the system's
// message box and clipboard, and the message loop that runs it all.
class Win32FormsServices : public FormsServices {
public:
    explicit Win32FormsServices(HINSTANCE instance = GetModuleHandleW(nullptr));
    ~Win32FormsServices() override;
    Win32FormsServices(const Win32FormsServices &) = delete;
    Win32FormsServices &operator=(const Win32FormsServices &) = delete;

    FormView &view(Form &form) override;
    void release(Form &form) override;
    void show(Form &form) override;
    void showModal(Form &form) override;
    void unload(Form &form) override;
    void post(Form &owner, std::function<void()> work) override;
    void showMessage(std::string_view text) override;
    void copyToClipboard(std::string_view text) override;
    void endProgram() override;
    ApplicationInfo application() const override;

    Win32FormView &rendered(Form &form);
    // A window already rendered, by its form's name; none if there is none.
    Win32FormView *find(std::string_view formName);
    // The program's message loop: returns the exit code once the program ends.
    int run();
    // One message through the keyboard rules and to its window.
    void dispatch(MSG &msg);
    bool ended() const { return m_ended; }
    // The colour rule against this desktop's system colours, read again by updateScheme().
    const ColorScheme &scheme() const { return m_scheme; }
    void updateScheme();
    HINSTANCE instance() const { return m_instance; }

protected:
    // The box itself, owned by the active window so that it stays in front of it.
    virtual void messageBox(const std::wstring &text, HWND owner);

private:
    static LRESULT CALLBACK workProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_instance;
    HWND m_workWindow = nullptr;
    PostedWork m_work;
    ColorScheme m_scheme;
    std::map<Form *, std::unique_ptr<Win32FormView>> m_views;
    Form *m_main = nullptr;
    std::vector<Form *> m_modal; // shown modally, innermost last
    bool m_ended = false;
};

} // namespace kelvastro
