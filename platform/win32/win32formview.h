// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formhost.h"
#include "platform/forms/nativewindow.h"
#include "platform/win32/win32controls.h"
#include "platform/win32/win32gdicache.h"
#include "platform/win32/win32keyboard.h"
#include "platform/win32/win32viewport.h"

#include <windows.h>

#include <string>

namespace kelvastro {

class Win32FormsServices;

// One window drawn with Win32 controls from its definition: it shows what
// its FormHost says and turns Win32's messages into the host's reports, one
// handler per message. The pieces it is made of: Win32Controls makes and
// lays out the controls, Win32GdiCache owns the fonts and brushes,
// win32painting draws what the system does not, win32keyboard reads keys for
// the host's keyboard rules, and the main window's fields sit in a
// Win32Viewport that scrolls them on a small screen.
class Win32FormView final : public NativeWindow {
public:
    Win32FormView(Win32FormsServices &services, FormHost &host, HWND owner);
    ~Win32FormView() override;
    Win32FormView(const Win32FormView &) = delete;
    Win32FormView &operator=(const Win32FormView &) = delete;

    // NativeWindow
    void showText(ControlId id, std::string_view text) override;
    void showFromStart(ControlId id) override;
    void showLook(ControlId id) override;
    void showLocked(ControlId id, bool locked) override;
    void showTitle(std::string_view caption) override;
    void showDescription(std::string_view description) override;
    void applyFocus(ControlId id, bool selectAll) override;
    void focusMoved(ControlId from, ControlId to) override;
    bool press(ControlId) override { return false; } // a button's look follows its own messages
    void place() override;
    void show() override;
    void runModal() override;
    void close() override;

    FormHost &host() const { return m_host; }
    HWND window() const { return m_window; }
    // The control's own window; none for menu items, lines and commands.
    HWND control(ControlId id) const { return m_controls.at(id); }
    HWND statusBar() const { return m_controls.statusBar(); }
    HMENU menuItemOwner(ControlId id) const { return m_controls.menuItemOwner(id); }
    // Where the controls sit: the main window's scrolling canvas, or the window itself.
    HWND surface() const { return m_canvas ? m_canvas : m_window; }
    // Keyboard rules that run before a key reaches its control. True when the key was used.
    bool translate(const MSG &msg);

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
    LRESULT onControlFocus(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onControlClick(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, ControlId id);
    void prepareForScreenReaders();
    LRESULT systemHandles(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const;

    void create(HWND owner);
    std::vector<std::string> captions() const;
    bool contains(HWND hwnd) const;
    COLORREF surfaceColor() const;
    void layoutMainWindow();

    Win32FormsServices &m_services;
    FormHost &m_host;
    const FormDefinition &m_definition;
    HWND m_window = nullptr;
    HWND m_viewportWindow = nullptr;
    HWND m_canvas = nullptr;
    Win32GdiCache m_gdi;
    Win32Controls m_controls;
    Win32Viewport m_viewport;
    Win32KeyPreview m_preview;
    std::wstring m_description;
    bool m_closing = false;
    bool m_modal = false;     // in its modal loop
    bool m_annotated = false; // names and the live region told to the system, at the first screen reader
};

} // namespace kelvastro
