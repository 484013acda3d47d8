// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvastro {

class Win32FormsServices;

// One window rendered from its definition with Win32 controls, and the
// translation of Win32's messages into the form's events. The controls are
// created in definition order, except that each text box comes right after
// the static control that names it, which is how Windows screen readers find
// a field's label.
class Win32FormView final : public FormView {
public:
    Win32FormView(Win32FormsServices &services, Form &form, HWND owner);
    ~Win32FormView() override;
    Win32FormView(const Win32FormView &) = delete;
    Win32FormView &operator=(const Win32FormView &) = delete;

    std::string text(ControlId id) const override;
    void setText(ControlId id, std::string_view text) override;
    void setCaption(std::string_view caption) override;
    void setAccessibleName(std::string_view name) override;
    void setLocked(ControlId id, bool locked) override;
    void setBackColor(ControlId id, OleColor color) override;
    void setFocus(ControlId id, FocusCause cause) override;
    ControlId focus() const override;

    HWND window() const { return m_window; }
    // The control's own window; none for menu items, lines and commands.
    HWND control(ControlId id) const { return id < m_controls.size() ? m_controls[id] : nullptr; }
    HWND statusBar() const { return m_status; }
    HMENU menuItemOwner(ControlId id) const;
    const FormDefinition &definition() const { return m_definition; }

    void load();
    void focusFirst();
    // Sizes the window for its screen's DPI and puts it where its definition says.
    void place();
    // Keyboard rules that run before a key reaches its control: Tab, Enter,
    // Escape, access keys, commands and key preview. True when the key was used.
    bool translate(const MSG &msg);
    void post(std::function<void()> work);

    // The window classes every view uses; once per program, before the first view.
    static void registerClasses(HINSTANCE instance);

    static constexpr UINT kWorkMessage = WM_APP + 1;
    static constexpr int kIdBase = 100; // control and menu identifiers: kIdBase + ControlId

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK panelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self);
    LRESULT handleWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControl(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void create(HWND owner);
    HWND createControl(ControlId id, HWND parent);
    POINT placeOf(const ControlDef &def) const;
    HWND createNameLabel(std::string_view name);
    void buildMenu();
    void layout(); // after a DPI change
    HFONT fontFor(const FontDef &font);
    HFONT fontOf(ControlId id);
    void freeGdiObjects();
    void paint(HDC dc);
    void paintFocusRing(HDC dc);
    RECT ringRect(HWND control) const;
    void relayoutLabel(ControlId id);
    void drawButton(const DRAWITEMSTRUCT &item);
    HBRUSH brush(COLORREF color);
    LRESULT colors(HDC dc, HWND child);
    void deliver(const FormEvent &event);
    void deliverFocus(HWND hwnd, EventKind kind, HWND other);
    bool inThisWindow(HWND hwnd) const;
    void moveFocus(HWND to, FocusCause cause);
    void pressButton(ControlId id);
    bool pressAccessKey(wchar_t key);
    bool runCommand(const MSG &msg);
    void closeRequested();
    void dpiChanged(UINT dpi, const RECT &suggested);
    SIZE clientSize() const;

    Win32FormsServices &m_services;
    Form &m_form;
    const FormDefinition &m_definition;
    HWND m_window = nullptr;
    HWND m_status = nullptr;
    HMENU m_menu = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::vector<HWND> m_controls;
    std::vector<std::string> m_texts; // every caption and text, as UTF-8, as last set or typed
    std::vector<OleColor> m_backColors;
    std::vector<std::pair<FontDef, HFONT>> m_fonts; // at the current DPI
    std::vector<std::pair<COLORREF, HBRUSH>> m_brushes;
    std::deque<std::function<void()>> m_posted;
    std::optional<FocusCause> m_cause; // why the focus is being moved, while it is
    HWND m_lastFocus = nullptr;        // given back when the window is active again
    wchar_t m_highSurrogate = 0;
    bool m_closing = false;
};

} // namespace kelvastro
