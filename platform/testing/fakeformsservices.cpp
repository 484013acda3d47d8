// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/fakeformsservices.h"

#include <algorithm>
#include <iterator>

namespace kelvastro {

class FakeFormsServices::View final : public FormView {
public:
    View(FakeFormsServices &owner, Form &form) : m_owner(owner), m_form(form)
    {
        const FormDefinition &def = form.definition();
        caption = std::string(def.caption);
        accessibleName = std::string(def.accessibleName);
        // Text boxes start empty, as the real front ends show them, until the load step writes them.
        std::transform(def.controls.begin(), def.controls.end(), std::back_inserter(controls),
                       [](const ControlDef &c) {
                           return ControlState{c.kind == ControlKind::TextBox ? std::string() : std::string(c.caption),
                                               c.locked, backColorOf(c)};
                       });
    }

    std::string text(ControlId id) const override { return valid(id) ? controls[id].text : std::string(); }

    void setText(ControlId id, std::string_view text) override
    {
        if (!valid(id))
            return;
        if (controls[id].text == text)
            return;
        controls[id].text = std::string(text);
        const ControlDef &def = m_form.definition().control(id);
        if (def.kind == ControlKind::TextBox)
            m_owner.deliver(m_form, {EventKind::TextChanged, id});
        else
            m_owner.captionsWritten.push_back(std::string(def.name) + "=" + std::string(text));
    }
    void setCaption(std::string_view text) override { caption = std::string(text); }
    void setAccessibleName(std::string_view name) override { accessibleName = std::string(name); }
    void setLocked(ControlId id, bool locked) override
    {
        if (valid(id, ControlKind::TextBox))
            controls[id].locked = locked;
    }
    void setBackColor(ControlId id, OleColor color) override
    {
        if (valid(id))
            controls[id].backColor = color;
    }
    void setFocus(ControlId id, FocusCause cause) override
    {
        if (!valid(id) || !takesFocus(m_form.definition().control(id))) {
            m_owner.faults.emplace_back("the focus given to a control that takes none");
            return;
        }
        m_owner.moveFocus(m_form, id, cause);
    }
    ControlId focus() const override { return focused; }

    std::vector<ControlState> controls;
    ControlId focused = kNoControl;
    std::string caption;
    std::string accessibleName;
    bool shown = false;

private:
    bool valid(ControlId id) const
    {
        if (id < controls.size())
            return true;
        m_owner.faults.emplace_back("an operation on a control the window does not have");
        return false;
    }
    bool valid(ControlId id, ControlKind kind) const
    {
        if (!valid(id))
            return false;
        if (m_form.definition().control(id).kind == kind)
            return true;
        m_owner.faults.emplace_back("an operation on a control of the wrong kind");
        return false;
    }

    FakeFormsServices &m_owner;
    Form &m_form;
};

FakeFormsServices::FakeFormsServices() = default;
FakeFormsServices::~FakeFormsServices() = default;

FakeFormsServices::View &FakeFormsServices::stateOf(Form &form)
{
    auto &slot = m_views[&form];
    if (!slot)
        slot = std::make_unique<View>(*this, form);
    return *slot;
}

FormView &FakeFormsServices::view(Form &form) { return stateOf(form); }

void FakeFormsServices::release(Form &form)
{
    m_views.erase(&form);
    std::erase(m_shown, &form);
    std::erase_if(m_posted, [&form](const auto &work) { return work.first == &form; });
}

void FakeFormsServices::deliver(Form &form, const FormEvent &event)
{
    if (!m_ended)
        form.handle(event);
}

// As Qt and Win32 do it: the focus is moved first, then the control that had
// it hears that it lost it, and the new one hears that it got it only if a
// handler did not move the focus on meanwhile.
void FakeFormsServices::moveFocus(Form &form, ControlId to, FocusCause cause)
{
    View &v = stateOf(form);
    if (v.focused == to)
        return;
    const ControlId from = v.focused;
    v.focused = to;
    if (from != kNoControl)
        deliver(form, {EventKind::LostFocus, from, cause});
    if (v.focused == to && to != kNoControl)
        deliver(form, {EventKind::GotFocus, to, cause});
}

void FakeFormsServices::settle()
{
    while (!m_posted.empty() && !m_ended) {
        auto work = std::move(m_posted.front());
        m_posted.pop_front();
        work.second();
    }
}

bool FakeFormsServices::accepts(Form &form, const char *what)
{
    if (m_ended)
        return false;
    if (m_shown.empty() || m_shown.back() != &form) {
        faults.emplace_back(std::string(what) + " to a window that is not the active one");
        return false;
    }
    return true;
}

void FakeFormsServices::show(Form &form)
{
    View &v = stateOf(form);
    m_shown.push_back(&form);
    v.shown = true;
    deliver(form, {EventKind::Load});
    const auto order = tabOrder(form.definition());
    if (!order.empty())
        moveFocus(form, order.front(), FocusCause::Program);
    settle();
}

void FakeFormsServices::showModal(Form &form)
{
    Form *caller = m_shown.empty() ? nullptr : m_shown.back();
    if (caller && stateOf(*caller).focused != kNoControl)
        deliver(*caller, {EventKind::LostFocus, stateOf(*caller).focused, FocusCause::OtherWindow});
    modalsShown.emplace_back(form.definition().name);
    stateOf(form).focused = kNoControl;
    show(form);
    if (onModal && stateOf(form).shown)
        onModal(form);
    if (stateOf(form).shown) {
        faults.emplace_back("a modal window was left open");
        unload(form);
    }
    std::erase(m_shown, &form);
    if (caller && !m_ended && stateOf(*caller).focused != kNoControl)
        deliver(*caller, {EventKind::GotFocus, stateOf(*caller).focused, FocusCause::OtherWindow});
}

void FakeFormsServices::unload(Form &form)
{
    View &v = stateOf(form);
    v.shown = false;
    v.focused = kNoControl;
    std::erase(m_shown, &form);
}

void FakeFormsServices::post(Form &owner, std::function<void()> work)
{
    m_posted.emplace_back(&owner, std::move(work));
}

// The box takes the focus while it is open and gives it back when closed.
void FakeFormsServices::showMessage(std::string_view text)
{
    messages.emplace_back(text);
    Form *active = m_shown.empty() ? nullptr : m_shown.back();
    const ControlId focused = active ? stateOf(*active).focused : kNoControl;
    if (focused != kNoControl)
        deliver(*active, {EventKind::LostFocus, focused, FocusCause::OtherWindow});
    if (onMessage)
        onMessage(messages.back());
    if (focused != kNoControl && stateOf(*active).focused == focused)
        deliver(*active, {EventKind::GotFocus, focused, FocusCause::OtherWindow});
}

void FakeFormsServices::copyToClipboard(std::string_view text) { clipboard = std::string(text); }

void FakeFormsServices::endProgram()
{
    ++endRequests;
    m_ended = true;
}

void FakeFormsServices::type(Form &form, std::string_view characters)
{
    if (!accepts(form, "typing"))
        return;
    View &v = stateOf(form);
    if (v.focused == kNoControl || form.definition().control(v.focused).kind != ControlKind::TextBox) {
        faults.emplace_back("typing with no text box holding the focus");
        return;
    }
    for (char c : characters) {
        if (v.controls[v.focused].locked)
            break;
        v.setText(v.focused, v.controls[v.focused].text + c);
        settle();
    }
}

void FakeFormsServices::backspace(Form &form)
{
    if (!accepts(form, "a key"))
        return;
    View &v = stateOf(form);
    if (v.focused == kNoControl || v.controls[v.focused].locked || v.controls[v.focused].text.empty())
        return;
    std::string shorter = v.controls[v.focused].text;
    shorter.pop_back();
    v.setText(v.focused, shorter);
    settle();
}

void FakeFormsServices::paste(Form &form, std::string_view text)
{
    if (!accepts(form, "a paste"))
        return;
    View &v = stateOf(form);
    if (v.focused == kNoControl || v.controls[v.focused].locked)
        return;
    v.setText(v.focused, text);
    settle();
}

void FakeFormsServices::fill(Form &form, ControlId id, std::string_view text)
{
    click(form, id);
    if (m_ended || stateOf(form).focused != id || stateOf(form).controls[id].locked)
        return;
    // Typing over a selection replaces it with the first character.
    View &v = stateOf(form);
    if (!text.empty()) {
        v.setText(id, text.substr(0, 1));
        settle();
        type(form, text.substr(1));
    } else {
        v.setText(id, {});
        settle();
    }
}

void FakeFormsServices::click(Form &form, ControlId id)
{
    if (!accepts(form, "a click"))
        return;
    const ControlDef &def = form.definition().control(id);
    if (takesFocus(def))
        moveFocus(form, id, FocusCause::Click);
    settle();
    if (def.kind == ControlKind::Button && stateOf(form).focused != id)
        return; // the focus was taken back: the button is not pressed
    if (def.kind != ControlKind::TextBox)
        deliver(form, {EventKind::Click, id});
    settle();
}

void FakeFormsServices::tab(Form &form) { tabStep(form, FocusCause::Tab); }

void FakeFormsServices::shiftTab(Form &form) { tabStep(form, FocusCause::ShiftTab); }

// One step along the Tab order, wrapping at either end.
void FakeFormsServices::tabStep(Form &form, FocusCause cause)
{
    if (!accepts(form, cause == FocusCause::Tab ? "Tab" : "Shift+Tab"))
        return;
    const ControlId to = kelvastro::tabStep(form.definition(), stateOf(form).focused, cause == FocusCause::ShiftTab);
    if (to == kNoControl)
        return;
    moveFocus(form, to, cause);
    settle();
}

// Key preview comes first; then Escape presses the cancel button and Enter
// the default one, unless a button holds the focus, which Enter presses.
void FakeFormsServices::pressKey(Form &form, char32_t character)
{
    if (!accepts(form, "a key"))
        return;
    const FormDefinition &def = form.definition();
    if (def.keyPreview) {
        deliver(form, {EventKind::KeyPress, kNoControl, FocusCause::Program, character});
        settle();
        return;
    }
    const ControlId button = buttonForKey(def, character, stateOf(form).focused);
    if (button == kNoControl)
        return;
    deliver(form, {EventKind::Click, button});
    settle();
}

void FakeFormsServices::leaveWindow(Form &form)
{
    if (stateOf(form).focused != kNoControl)
        deliver(form, {EventKind::LostFocus, stateOf(form).focused, FocusCause::OtherWindow});
    settle();
}

void FakeFormsServices::returnToWindow(Form &form)
{
    if (stateOf(form).focused != kNoControl)
        deliver(form, {EventKind::GotFocus, stateOf(form).focused, FocusCause::OtherWindow});
    settle();
}

const FakeFormsServices::ControlState &FakeFormsServices::control(Form &form, ControlId id)
{
    return stateOf(form).controls.at(id);
}

ControlId FakeFormsServices::focus(Form &form) { return stateOf(form).focused; }

std::string FakeFormsServices::focusName(Form &form)
{
    const ControlId id = focus(form);
    return id == kNoControl ? std::string() : std::string(form.definition().control(id).name);
}

const std::string &FakeFormsServices::caption(Form &form) { return stateOf(form).caption; }
const std::string &FakeFormsServices::accessibleName(Form &form) { return stateOf(form).accessibleName; }
bool FakeFormsServices::isShown(Form &form) { return stateOf(form).shown; }

bool FakeFormsServices::showModalWith(Form &form, const std::function<void(Form &)> &user)
{
    bool leftOpen = false;
    auto previous = std::move(onModal);
    onModal = [&](Form &shown) {
        user(shown);
        leftOpen = isShown(shown);
        if (leftOpen)
            unload(shown);
    };
    showModal(form);
    onModal = std::move(previous);
    return leftOpen;
}

} // namespace kelvastro
