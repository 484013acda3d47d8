// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kelvastro {

class Win32GdiCache;

// A window's controls, made from its definition where they belong and in
// their fonts, and laid out again at another DPI. Each text box is made right
// after the static control that names it, which is how Windows screen readers
// find a field's label; the Tab order is the keyboard rules' business, not the
// order of creation.
class Win32Controls {
public:
    struct Classes {
        const wchar_t *panel;     // the class of a frame that holds labels
        WNDPROC subclass;         // text boxes' and buttons' own messages, before the system's
        void *subclassData;       // in each such control's user data
        void *panelData;          // handed to the panel's window at its creation
    };

    Win32Controls(const FormDefinition &form, Win32GdiCache &gdi, HINSTANCE instance, Classes classes);

    // Makes every control on `surface`; the status line and menu bar, on `window`.
    void create(HWND window, HWND surface, const std::vector<std::string> &captions);
    // Every control again at the cache's DPI, in fonts made for it.
    void layout(const std::vector<std::string> &captions);
    // An auto-sized label fits its caption on one line and keeps its top left corner.
    void fitLabel(ControlId id, const std::string &caption);

    HWND at(ControlId id) const { return id < m_controls.size() ? m_controls[id] : nullptr; }
    // The system's own procedure of a subclassed control, for what the subclass leaves to it.
    WNDPROC systemProc(ControlId id) const { return m_systemProcs[id]; }
    ControlId idOf(HWND hwnd) const;
    HWND statusBar() const { return m_status; }
    HMENU menu() const { return m_menu; }
    // The menu that holds the item: the bar, or a drop-down.
    HMENU menuItemOwner(ControlId id) const;
    // The windows are gone with their parent.
    void forget();

    static constexpr int kIdBase = 100; // control and menu identifiers: kIdBase + ControlId

private:
    HWND make(ControlId id, HWND window, HWND surface, const std::string &caption);
    POINT placeOf(ControlId id) const;
    HFONT fontOf(ControlId id) const;
    void buildMenu(HWND window);

    const FormDefinition &m_form;
    Win32GdiCache &m_gdi;
    HINSTANCE m_instance;
    Classes m_classes;
    std::vector<HWND> m_controls;
    std::vector<WNDPROC> m_systemProcs;
    HWND m_status = nullptr;
    HMENU m_menu = nullptr;
};

} // namespace kelvastro
