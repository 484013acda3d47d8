// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <string_view>

namespace kelvastro {

// The toolkit's side of one window: what a front end implements so that a
// FormHost (formhost.h) can run the window. The host keeps every rule and all
// of the window's state; a native window only shows what it is told, and
// reports what the user does through the host's "the toolkit says" calls.
//
// Duties beyond these calls, which every front end keeps:
// - Render the definition: each control at controlRect() of its DPI, in its
//   font (a label sized to its caption where autoSize says so), a panel's
//   labels on the panel's inner surface (whose border clips a label that
//   starts outside it), a graphical button in the face colour of look(), a
//   standard one in the desktop's colours, the lines at lineRect() beneath
//   the controls, and the menu bar of menuTree(). Text boxes are empty until
//   the load step writes them.
// - The start-up window only: the menu bar, the status line under the fields
//   (room for two lines of its message; wrapped, never cut), and the fields
//   in a viewport that scrolls them when the screen is too small for them.
// - A ring round the text box with the focus, of scheme().focusRing(), at
//   least 3:1 against the window, following focusMoved().
// - The toolkit's keys, before the focused control sees them, to the host
//   (FormHost::keyPressed, or keyPreviewed for a window with key preview);
//   F10 opens the menu bar; the close box to FormHost::closeBoxPressed.
// - The desktop's colours read into FormsHost::setPalette() at start and
//   again when the theme or the DPI changes.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    // A text box's text (the toolkit then reports the change back through
    // FormHost::textChanged, as typing does), or a label's, button's or
    // status line's caption. A new status line message is spoken by a screen
    // reader wherever the focus is.
    virtual void showText(ControlId id, std::string_view text) = 0;
    // A text box not being typed in shows a new text from its first
    // character: sign and integer part in view, the caret there.
    virtual void showFromStart(ControlId id) = 0;
    // The control's colours are FormHost::look(id) now; kNoControl: every
    // control's and the window's, since the desktop's colours changed.
    virtual void showLook(ControlId id) = 0;
    // A locked text box keeps its text and can take the focus, but cannot be edited.
    virtual void showLocked(ControlId id, bool locked) = 0;
    virtual void showTitle(std::string_view caption) = 0;
    // A secondary window's whole text, for a screen reader as it opens.
    virtual void showDescription(std::string_view description) = 0;
    // The toolkit's keyboard focus to the control, or to the window itself
    // for kNoControl; with `selectAll`, all of a text box's text selected.
    // The host has told the form already: the toolkit's reports of this move
    // are ignored.
    virtual void applyFocus(ControlId id, bool selectAll) = 0;
    // After each move of the focus, told or applied: the ring follows it,
    // and a field that takes it comes into view.
    virtual void focusMoved(ControlId from, ControlId to) = 0;
    // A button pressed as a click presses it, seen and heard as one, its
    // click reported back through FormHost::clicked; false where the toolkit
    // has nothing to press (a menu item, a command).
    virtual bool press(ControlId id) = 0;

    // The showing, as FormsHost runs it: place() before every showing, at
    // placeWindow() for the window's screen and DPI; show() for the start-up
    // window, returning at once; runModal() for any other, returning once
    // close() is called, the window that opened it taking no input meanwhile.
    virtual void place() = 0;
    virtual void show() = 0;
    virtual void runModal() = 0;
    virtual void close() = 0;
};

} // namespace kelvastro
