// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32focus.h"

#include "platform/forms/focuscause.h"
#include "platform/win32/win32formview.h"

namespace kelvastro {

void Win32Focus::move(ControlId to, FocusCause cause)
{
    ++m_depth;
    const ControlId from = m_announced;
    const ControlId before = m_focused;
    m_focused = to;
    const ControlDef &def = m_view.definition().control(to);
    if (def.kind == ControlKind::TextBox && (cause == FocusCause::Tab || cause == FocusCause::ShiftTab))
        SendMessageW(m_view.control(to), EM_SETSEL, 0, -1); // so that typing replaces it
    if (from != kNoControl && from != to) {
        m_announced = kNoControl;
        m_view.deliver({EventKind::LostFocus, from, cause});
    }
    if (m_focused == to && m_announced != to) {
        m_announced = to;
        m_view.deliver({EventKind::GotFocus, to, cause});
    }
    --m_depth;
    if (m_depth == 0) {
        applyToWindows();
        m_view.focusMoved(before, m_focused);
    }
}

void Win32Focus::applyToWindows()
{
    const HWND target = m_focused != kNoControl ? m_view.control(m_focused) : nullptr;
    if (!target || m_shown == m_focused)
        return;
    m_setting = true;
    SetFocus(target);
    m_setting = false;
}

void Win32Focus::arrived(ControlId id, HWND other)
{
    m_shown = id;
    if (m_setting || m_depth > 0)
        return;
    const ControlId before = m_focused;
    m_focused = id;
    if (m_announced == id)
        return;
    const ControlId from = m_announced;
    const FocusCause cause = focusCause(FocusOrigin::Other, m_view.contains(other));
    if (from != kNoControl) {
        m_announced = kNoControl;
        m_view.deliver({EventKind::LostFocus, from, cause});
    }
    if (m_focused == id) {
        m_announced = id;
        m_view.deliver({EventKind::GotFocus, id, cause});
    }
    m_view.focusMoved(before, m_focused);
}


void Win32Focus::left(ControlId id, HWND other)
{
    if (m_shown == id)
        m_shown = kNoControl;
    if (m_setting || m_depth > 0 || m_announced != id)
        return;
    m_announced = kNoControl;
    m_view.deliver({EventKind::LostFocus, id, focusCause(FocusOrigin::Other, m_view.contains(other))});
    m_view.focusMoved(id, m_focused);
}

void Win32Focus::forget()
{
    m_focused = m_announced = m_shown = kNoControl;
}

} // namespace kelvastro
