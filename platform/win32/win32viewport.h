// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

namespace kelvastro {

// The main window's fields on a screen too small for them: a viewport that
// shows part of the canvas the controls sit on, with scroll bars where the
// canvas does not fit, and the focused field brought into view.
class Win32Viewport {
public:
    void attach(HWND viewport, HWND canvas) { m_viewport = viewport, m_canvas = canvas; }
    // The canvas's whole size, at the window's DPI.
    void setCanvasSize(SIZE size);
    // The viewport's new place in its parent; scroll bars come and go to suit.
    void place(RECT area);
    // Scrolls as little as brings `inCanvas` whole into view (its top left
    // corner when it is larger than the view).
    void ensureVisible(RECT inCanvas);
    // Scroll bars and the wheel; true when the message was one of theirs.
    bool handle(UINT message, WPARAM wParam, LRESULT &result);

private:
    void update();
    void scrollTo(int x, int y);
    void scrollBy(int bar, int how, int thumb);

    HWND m_viewport = nullptr;
    HWND m_canvas = nullptr;
    SIZE m_canvasSize{};
    POINT m_offset{};
};

} // namespace kelvastro
