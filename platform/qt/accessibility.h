// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvastro::form {

// Puts the program's own text-field and notification interfaces in front of Qt's, and keeps
// focus events truthful: when a handler moves the focus on while it is
// arriving (a field that forwards it, a refused entry that takes it back),
// Qt reports the arrival after the move, so a screen reader would name a
// field that no longer has the focus. Such stale reports are dropped.
// Called once, after the application object exists.
void installAccessibility();

} // namespace kelvastro::form
