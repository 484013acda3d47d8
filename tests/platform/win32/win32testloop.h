// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the real Win32 windows share: the queue run through the
// program's own loop, work run from inside the modal loop a call is about to
// open, the system's message box on screen, and a window's text as UTF-8.
#include <windows.h>

#include <functional>
#include <string>

namespace kelvastro {

class Win32FormsServices;

// Everything queued, through the program's own keyboard rules, as its loop
// would: `rounds` times, resting `restMs` after each so that timers come due.
void pumpThrough(Win32FormsServices &forms, int rounds = 3, DWORD restMs = 1);

// Runs `work` once, from inside whatever message loop is running when its
// timer fires `delayMs` from now: a modal window's or a message box's.
void runInTheNextLoop(std::function<void()> work, UINT delayMs = 1);

// The system message box this thread shows, or null.
HWND visibleBoxOfThisThread();

std::string windowText(HWND hwnd);

} // namespace kelvastro
