// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/formhost.h"

#include "platform/forms/formshost.h"

namespace kelvastro {

FormHost::FormHost(FormsHost &services, Form &form)
    : m_services(services), m_form(form), m_definition(form.definition()),
      m_texts(m_definition.controls.size()), m_backColors(m_definition.controls.size()),
      m_locked(m_definition.controls.size()), m_commands(commandKeys(m_definition))
{
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const ControlDef &def = m_definition.controls[i];
        // A text box is empty until the load step writes it: a design text
        // would be worked on by the first recalculation the load sets off.
        if (def.kind != ControlKind::TextBox)
            m_texts[i] = std::string(def.caption);
        m_backColors[i] = backColorOf(def);
        m_locked[i] = def.locked;
    }
}

// The window goes first, and what it says as it goes reaches no one.
FormHost::~FormHost()
{
    m_live = false;
    m_native.reset();
}

void FormHost::deliver(const FormEvent &event)
{
    if (m_live && !m_services.ended())
        m_form.handle(event);
}

std::string FormHost::text(ControlId id) const
{
    return id < m_texts.size() ? m_texts[id] : std::string();
}

// A text box's copy follows the toolkit's report, since a control may refuse
// or shorten a text; a written result shows from its first character, unless
// the user is in the box.
void FormHost::setText(ControlId id, std::string_view text)
{
    if (id >= m_texts.size() || m_texts[id] == text)
        return;
    if (m_definition.control(id).kind == ControlKind::TextBox) {
        m_native->showText(id, text);
        if (m_focused != id)
            m_native->showFromStart(id);
        return;
    }
    m_texts[id] = std::string(text);
    m_native->showText(id, text);
}

void FormHost::textChanged(ControlId id, std::string now)
{
    if (id >= m_texts.size() || m_texts[id] == now)
        return;
    m_texts[id] = std::move(now);
    deliver({EventKind::TextChanged, id});
}

void FormHost::setCaption(std::string_view caption) { m_native->showTitle(caption); }

void FormHost::setLocked(ControlId id, bool locked)
{
    if (id >= m_locked.size() || m_definition.control(id).kind != ControlKind::TextBox)
        return;
    m_locked[id] = locked;
    m_native->showLocked(id, locked);
    m_native->showLook(id); // in high contrast a locked field looks it
}

void FormHost::setBackColor(ControlId id, OleColor color)
{
    if (id >= m_backColors.size())
        return;
    m_backColors[id] = color;
    m_native->showLook(id);
}

Look FormHost::look(ControlId id) const
{
    return m_services.scheme().control(m_definition, id, m_backColors[id], m_locked[id]);
}

void FormHost::setFocus(ControlId id, FocusCause cause)
{
    if (id < m_definition.controls.size() && takesFocus(m_definition.control(id)))
        moveFocus(id, cause);
}

// The contract's order: the control that had the focus hears it lost it,
// then the new one that it got it, unless a handler moved it on meanwhile.
// The toolkit's focus follows once the outermost move is done.
void FormHost::moveFocus(ControlId to, FocusCause cause)
{
    const ControlId before = m_focused;
    ++m_moves;
    const ControlId from = m_announced;
    m_focused = to;
    m_selectAll = m_definition.control(to).kind == ControlKind::TextBox
                  && (cause == FocusCause::Tab || cause == FocusCause::ShiftTab);
    if (from != kNoControl && from != to) {
        m_announced = kNoControl;
        deliver({EventKind::LostFocus, from, cause});
    }
    if (m_focused == to && m_announced != to) {
        m_announced = to;
        deliver({EventKind::GotFocus, to, cause});
    }
    if (--m_moves > 0)
        return;
    if (m_focused != kNoControl && (m_focused != m_toolkit || m_selectAll)) {
        m_applying = true;
        m_native->applyFocus(m_focused, m_selectAll);
        m_applying = false;
        m_toolkit = m_focused;
    }
    m_native->focusMoved(before, m_focused);
}

void FormHost::focusArrived(ControlId id, FocusCause cause)
{
    if (m_applying)
        return;
    m_toolkit = id;
    if (m_moves == 0 && id != kNoControl)
        moveFocus(id, cause);
}

void FormHost::focusLeft(ControlId id, FocusCause cause)
{
    if (m_applying)
        return;
    if (m_toolkit == id)
        m_toolkit = kNoControl;
    if (m_moves > 0 || m_announced != id)
        return;
    m_announced = kNoControl;
    deliver({EventKind::LostFocus, id, cause});
    m_native->focusMoved(id, m_focused);
}

void FormHost::activated()
{
    if (m_focused != kNoControl)
        moveFocus(m_focused, FocusCause::OtherWindow);
    else
        m_native->applyFocus(kNoControl, false);
}

bool FormHost::refusesPress(ControlId id) const
{
    return id < m_definition.controls.size() && takesFocus(m_definition.control(id)) && m_focused != id;
}

bool FormHost::keyPressed(const KeyStroke &stroke)
{
    const KeyOutcome outcome = keyOutcome(m_definition, m_commands, *this, stroke);
    switch (outcome.kind) {
    case KeyOutcome::Kind::MoveFocus: moveFocus(outcome.control, outcome.cause); return true;
    case KeyOutcome::Kind::Press: press(outcome.control); return true;
    case KeyOutcome::Kind::Consumed: return true;
    case KeyOutcome::Kind::None: break;
    }
    return false;
}

void FormHost::keyPreviewed(char32_t character)
{
    if (character != 0)
        deliver({EventKind::KeyPress, kNoControl, FocusCause::Program, character});
}

void FormHost::clicked(ControlId id) { deliver({EventKind::Click, id}); }

// Pressed the toolkit's way where it has a button to press, so that the
// press is seen; its click comes back through clicked().
void FormHost::press(ControlId id)
{
    if (!m_native->press(id))
        clicked(id);
}

void FormHost::closeBoxPressed()
{
    const CloseAction action = closeAction(m_definition);
    switch (action.kind) {
    case CloseAction::Kind::EndProgram: m_services.endProgram(); break;
    case CloseAction::Kind::Press: press(action.button); break;
    case CloseAction::Kind::Unload: m_services.unload(m_form); break;
    }
}

void FormHost::load()
{
    m_live = true;
    m_announced = kNoControl;
    deliver({EventKind::Load});
}

void FormHost::describe()
{
    m_native->showDescription(windowDescription(m_definition, [this](ControlId id) { return text(id); }));
}

void FormHost::focusFirst()
{
    const auto order = tabOrder(m_definition);
    if (order.empty())
        m_native->applyFocus(kNoControl, false); // key preview: every key comes to the window itself
    else
        moveFocus(order.front(), FocusCause::Program);
}

void FormHost::unloaded()
{
    m_live = false;
    m_focused = m_announced = m_toolkit = kNoControl;
}

} // namespace kelvastro
