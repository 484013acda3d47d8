// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formshost.h"
#include "platform/win32/win32formview.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kelvastro {

// The Win32 front end: the shared FormsHost with a Win32FormView for each
// form, the system's message box and clipboard, the desktop's system colours,
// and the message loop that runs it all.
class Win32FormsServices : public FormsHost {
public:
    explicit Win32FormsServices(const ApplicationInfo &application, HINSTANCE instance = GetModuleHandleW(nullptr));
    ~Win32FormsServices() override;

    void copyToClipboard(std::string_view text) override;

    Win32FormView &rendered(Form &form) { return static_cast<Win32FormView &>(host(form).native()); }
    // A window already made, by its form's name; none if there is none.
    Win32FormView *findView(std::string_view formName);
    // The program's message loop: returns the exit code once the program ends.
    int run();
    // One message through the keyboard rules and to its window.
    void dispatch(MSG &msg);
    // The desktop's system colours, read again; every window repaints in them.
    void updateScheme();
    HINSTANCE instance() const { return m_instance; }
    // Each view says it is there, and gone, for dispatch().
    void attach(Win32FormView &view) { m_views.push_back(&view); }
    void detach(Win32FormView &view) { std::erase(m_views, &view); }

protected:
    std::unique_ptr<NativeWindow> createWindow(FormHost &host, FormHost *owner) override;
    void wake() override;
    void quit() override { PostQuitMessage(0); }
    // The box itself, owned by the active window so that it stays in front of it.
    void messageBox(std::string_view text) override;

private:
    static LRESULT CALLBACK workProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_instance;
    HWND m_workWindow = nullptr;
    std::vector<Win32FormView *> m_views;
};

} // namespace kelvastro
