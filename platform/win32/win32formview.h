// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/colorscheme.h"
#include "platform/forms/form.h"
#include "platform/forms/keystroke.h"
#include "platform/forms/textboxtexts.h"
#include "platform/win32/win32controls.h"
#include "platform/win32/win32focus.h"
#include "platform/win32/win32gdicache.h"
#include "platform/win32/win32keyboard.h"
#include "platform/win32/win32viewport.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kelvastro {

class Win32FormsServices;

// One window rendered from its definition with Win32 controls, and the
// translation of Win32's messages into the form's events, one handler per
// message. The pieces it is made of: Win32Controls makes and lays out the
// controls, Win32GdiCache owns the fonts and brushes, win32painting draws what
// the system does not, Win32Focus tells the form where the focus goes,
// win32keyboard reads keys for the form layer's keyboard rules, and the main
// window's fields sit in a Win32Viewport that scrolls them on a small screen.
class Win32FormView final : public FormView {
public:
    Win32FormView(Win32FormsServices &services, Form &form, HWND owner);
    ~Win32FormView() override;
    Win32FormView(const Win32FormView &) = delete;
    Win32FormView &operator=(const Win32FormView &) = delete;

    std::string text(ControlId id) const override;
    void setText(ControlId id, std::string_view text) override;
    void setCaption(std::string_view caption) override;
    void setLocked(ControlId id, bool locked) override;
    void setBackColor(ControlId id, OleColor color) override;
    void setFocus(ControlId id, FocusCause cause) override;
    ControlId focus() const override;

    HWND window() const { return m_window; }
    // The control's own window; none for menu items, lines and commands.
    HWND control(ControlId id) const { return m_controls.at(id); }
    HWND statusBar() const { return m_controls.statusBar(); }
    HMENU menuItemOwner(ControlId id) const { return m_controls.menuItemOwner(id); }
    // Where the controls sit: the main window's scrolling canvas, or the window itself.
    HWND surface() const { return m_canvas ? m_canvas : m_window; }
    const FormDefinition &definition() const { return m_definition; }

    void load();
    // The showing is over: the form hears nothing more of it.
    void unloaded();
    // What a screen reader reads of a secondary window as it opens: every
    // label's text, as they stand after the load step.
    void describe();
    void focusFirst();
    // Sizes the window for its screen's DPI and work area and puts it where its definition says.
    void place();
    // Keyboard rules that run before a key reaches its control. True when the key was used.
    bool translate(const MSG &msg);

    // For the pieces.
    void deliver(const FormEvent &event);
    bool contains(HWND hwnd) const;
    void focusMoved(ControlId from, ControlId to);
    // TextBoxTexts hooks.
    void showText(ControlId id, std::string_view text);
    bool holdsFocus(ControlId id) const;
    void showFromStart(ControlId id);
    void raiseTextChanged(ControlId id);

    // The window classes every view uses; once per program, before the first view.
    static void registerClasses(HINSTANCE instance);

    static constexpr int kIdBase = Win32Controls::kIdBase;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK panelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleSurface(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handlePanel(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControl(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onControlColors(HDC dc, HWND child);
    LRESULT onDrawItem(const DRAWITEMSTRUCT &item);
    LRESULT onEraseBackground(HWND hwnd, HDC dc, COLORREF color);
    LRESULT onPaint(HWND hwnd);
    LRESULT onActivate(WPARAM wParam);
    LRESULT onSize();
    LRESULT onMinMaxInfo(MINMAXINFO &info);
    LRESULT onDpiChanged(UINT dpi, const RECT &suggested);
    LRESULT onSysColorChange();
    LRESULT onClose();
    LRESULT onControlFocus(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onControlClick(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, ControlId id);
    void prepareForScreenReaders();
    LRESULT systemHandles(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const;

    void create(HWND owner);
    void press(ControlId id);
    // The control's colours as the colour rule resolves them against this desktop.
    Look lookOf(ControlId id) const;
    COLORREF surfaceColor() const;
    SIZE designedClientSize() const;
    void layoutMainWindow();

    Win32FormsServices &m_services;
    Form &m_form;
    const FormDefinition &m_definition;
    HWND m_window = nullptr;
    HWND m_viewportWindow = nullptr;
    HWND m_canvas = nullptr;
    Win32GdiCache m_gdi;
    Win32Controls m_controls;
    Win32Focus m_focus;
    Win32Viewport m_viewport;
    Win32KeyPreview m_preview;
    TextBoxTexts<Win32FormView> m_texts;
    std::vector<std::string> m_captions; // every other control's caption, as UTF-8, as last set
    std::vector<OleColor> m_backColors;
    std::vector<std::pair<KeyChord, ControlId>> m_commands;
    std::wstring m_description;
    bool m_closing = false;
    bool m_annotated = false; // names and the live region told to the system, at the first screen reader
    bool m_live = false; // loaded, and not unloaded since
};

} // namespace kelvastro
