// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kelvastro::form {

// Puts the program's own accessible interfaces in front of Qt's, and keeps
// what a screen reader hears to one utterance per step. When a handler moves
// the focus on while it is arriving (a field that forwards it, a refused
// entry that takes it back), Qt reports the arrival after the move, so a
// screen reader would name a field that no longer has the focus: such stale
// reports are dropped, with the selection a field reports before its arrival
// and the one the field left reports as it goes. Called once, after the
// application object exists.
void installAccessibility();

// The focus came back to `control` as a menu closed: its report waits a
// turn, and is dropped if the menu's command opened a window meanwhile.
void focusCameBackFromAMenu(QWidget *control);

} // namespace kelvastro::form
