// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/fakeformsservices.h"

#include "platform/forms/closebox.h"
#include "platform/forms/textboxtexts.h"

#include <algorithm>
#include <iterator>

namespace kelvastro {

class FakeFormsServices::View final : public FormView {
public:
    View(FakeFormsServices &owner, Form &form)
        : m_owner(owner), m_form(form), m_texts(*this, form.definition().controls.size()),
          m_commands(commandKeys(form.definition()))
    {
        const FormDefinition &def = form.definition();
        caption = std::string(def.caption);
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
        const ControlDef &def = m_form.definition().control(id);
        if (def.kind == ControlKind::TextBox) {
            m_texts.write(id, text);
            return;
        }
        if (controls[id].text == text)
            return;
        controls[id].text = std::string(text);
        m_owner.captionsWritten.push_back(std::string(def.name) + "=" + std::string(text));
    }
    void setCaption(std::string_view text) override { caption = std::string(text); }
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

    // The "toolkit" side of a text box: what the user does to it.
    void userChanged(ControlId id, std::string now) { m_texts.changed(id, std::move(now)); }

    // TextBoxTexts hooks: the fake's control takes a written text at once and says so.
    void showText(ControlId id, std::string_view text)
    {
        controls[id].selectionStart = controls[id].selectionEnd = text.size();
        m_texts.changed(id, std::string(text));
    }
    bool holdsFocus(ControlId id) const { return focused == id; }
    void showFromStart(ControlId id) { controls[id].selectionStart = controls[id].selectionEnd = 0; }
    void raiseTextChanged(ControlId id)
    {
        controls[id].text = m_texts.text(id);
        m_owner.deliver(m_form, {EventKind::TextChanged, id});
    }

    const std::vector<std::pair<KeyChord, ControlId>> &commands() const { return m_commands; }

    std::vector<ControlState> controls;
    ControlId focused = kNoControl;
    ControlId announced = kNoControl; // the control that heard it got the focus, until it hears it lost it
    std::string caption;
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
    TextBoxTexts<View> m_texts;
    std::vector<std::pair<KeyChord, ControlId>> m_commands;
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
    m_posted.drop(form);
}

void FakeFormsServices::deliver(Form &form, const FormEvent &event)
{
    if (!m_ended)
        form.handle(event);
}

// The contract's order: the focus is moved first, then the control that had
// it hears that it lost it, and the new one hears that it got it only if a
// handler did not move the focus on meanwhile; a control the focus only
// passed through hears nothing. Tab and Shift+Tab select the text box they enter.
void FakeFormsServices::moveFocus(Form &form, ControlId to, FocusCause cause)
{
    View &v = stateOf(form);
    if (v.focused == to)
        return;
    const ControlId from = v.focused;
    v.focused = to;
    if (to != kNoControl && form.definition().control(to).kind == ControlKind::TextBox
        && (cause == FocusCause::Tab || cause == FocusCause::ShiftTab)) {
        v.controls[to].selectionStart = 0;
        v.controls[to].selectionEnd = v.controls[to].text.size();
    }
    if (from != kNoControl && v.announced == from) {
        v.announced = kNoControl;
        deliver(form, {EventKind::LostFocus, from, cause});
    }
    if (v.focused == to && to != kNoControl) {
        v.announced = to;
        deliver(form, {EventKind::GotFocus, to, cause});
    }
}

void FakeFormsServices::settle()
{
    while (!m_ended && m_posted.runNext()) {
    }
    if (m_ended)
        m_posted.clear();
}

bool FakeFormsServices::accepts(Form &form, const char *what)
{
    if (m_ended)
        return false;
    if (active() != &form) {
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

// Another window takes the focus, or gives it back: the round trip of the contract.
void FakeFormsServices::focusLeaves(Form &form)
{
    View &v = stateOf(form);
    if (v.announced == kNoControl)
        return;
    const ControlId from = v.announced;
    v.announced = kNoControl;
    deliver(form, {EventKind::LostFocus, from, FocusCause::OtherWindow});
}

void FakeFormsServices::focusReturns(Form &form)
{
    View &v = stateOf(form);
    if (v.focused == kNoControl || v.announced == v.focused || m_ended)
        return;
    v.announced = v.focused;
    deliver(form, {EventKind::GotFocus, v.focused, FocusCause::OtherWindow});
}

void FakeFormsServices::showModal(Form &form)
{
    Form *caller = active();
    if (caller)
        focusLeaves(*caller);
    modalsShown.emplace_back(form.definition().name);
    stateOf(form).focused = stateOf(form).announced = kNoControl;
    show(form);
    if (onModal && stateOf(form).shown)
        onModal(form);
    if (stateOf(form).shown) {
        faults.emplace_back("a modal window was left open");
        unload(form);
    }
    std::erase(m_shown, &form);
    if (caller)
        focusReturns(*caller);
}

void FakeFormsServices::unload(Form &form)
{
    View &v = stateOf(form);
    v.shown = false;
    v.focused = v.announced = kNoControl;
    std::erase(m_shown, &form);
}

void FakeFormsServices::post(Form &owner, std::function<void()> work)
{
    m_posted.post(owner, std::move(work));
}

// The box takes the focus while it is open and gives it back when closed.
void FakeFormsServices::showMessage(std::string_view text)
{
    messages.emplace_back(text);
    Form *shownOver = active();
    if (shownOver)
        focusLeaves(*shownOver);
    if (onMessage)
        onMessage(messages.back());
    if (shownOver)
        focusReturns(*shownOver);
}

void FakeFormsServices::copyToClipboard(std::string_view text) { clipboard = std::string(text); }

void FakeFormsServices::endProgram()
{
    ++endRequests;
    m_ended = true;
}

void FakeFormsServices::replaceSelection(Form &form, std::string_view with)
{
    View &v = stateOf(form);
    ControlState &c = v.controls[v.focused];
    const std::size_t from = std::min(c.selectionStart, c.selectionEnd);
    const std::size_t to = std::max(c.selectionStart, c.selectionEnd);
    std::string now = c.text;
    now.replace(from, to - from, with);
    c.selectionStart = c.selectionEnd = from + with.size();
    v.userChanged(v.focused, std::move(now));
    settle();
}

void FakeFormsServices::type(Form &form, std::string_view characters)
{
    if (!accepts(form, "typing"))
        return;
    View &v = stateOf(form);
    if (form.definition().keyPreview) {
        // The window hears each character first, and it goes no further.
        for (std::size_t i = 0; i < characters.size() && !m_ended;) {
            const auto b0 = static_cast<unsigned char>(characters[i]);
            const std::size_t length = b0 < 0x80 ? 1 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
            char32_t c = length == 1 ? b0 : b0 & (0x7F >> length);
            for (std::size_t k = 1; k < length && i + k < characters.size(); ++k)
                c = (c << 6) | (static_cast<unsigned char>(characters[i + k]) & 0x3F);
            deliver(form, {EventKind::KeyPress, kNoControl, FocusCause::Program, c});
            settle();
            i += length;
        }
        return;
    }
    if (v.focused == kNoControl || form.definition().control(v.focused).kind != ControlKind::TextBox) {
        faults.emplace_back("typing with no text box holding the focus");
        return;
    }
    for (std::size_t i = 0; i < characters.size();) {
        if (v.focused == kNoControl || v.controls[v.focused].locked || m_ended)
            break;
        // One character is one change, however many bytes it takes.
        std::size_t length = 1;
        while (i + length < characters.size() && (static_cast<unsigned char>(characters[i + length]) & 0xC0) == 0x80)
            ++length;
        replaceSelection(form, characters.substr(i, length));
        i += length;
    }
}

void FakeFormsServices::backspace(Form &form)
{
    if (!accepts(form, "a key"))
        return;
    View &v = stateOf(form);
    if (v.focused == kNoControl || v.controls[v.focused].locked)
        return;
    ControlState &c = v.controls[v.focused];
    if (c.selectionStart == c.selectionEnd) {
        if (c.selectionEnd == 0)
            return;
        std::size_t start = c.selectionEnd - 1;
        while (start > 0 && (static_cast<unsigned char>(c.text[start]) & 0xC0) == 0x80)
            --start;
        c.selectionStart = start;
    }
    replaceSelection(form, {});
}

void FakeFormsServices::paste(Form &form, std::string_view text)
{
    if (!accepts(form, "a paste"))
        return;
    View &v = stateOf(form);
    if (v.focused == kNoControl || v.controls[v.focused].locked)
        return;
    v.controls[v.focused].selectionStart = 0;
    v.controls[v.focused].selectionEnd = v.controls[v.focused].text.size();
    replaceSelection(form, text);
}

void FakeFormsServices::fill(Form &form, ControlId id, std::string_view text)
{
    click(form, id);
    if (m_ended || stateOf(form).focused != id || stateOf(form).controls[id].locked)
        return;
    ControlState &c = stateOf(form).controls[id];
    c.selectionStart = 0;
    c.selectionEnd = c.text.size();
    if (text.empty())
        replaceSelection(form, {});
    else
        type(form, text);
}

// A click on a text box puts the caret at the end of its text.
void FakeFormsServices::click(Form &form, ControlId id)
{
    if (!accepts(form, "a click"))
        return;
    if (id == kNoControl)
        return; // the window's own surface has no handler
    const ControlDef &def = form.definition().control(id);
    if (takesFocus(def)) {
        if (def.kind == ControlKind::TextBox) {
            ControlState &c = stateOf(form).controls[id];
            c.selectionStart = c.selectionEnd = c.text.size();
        }
        moveFocus(form, id, FocusCause::Click);
    }
    settle();
    if (def.kind == ControlKind::Button && stateOf(form).focused != id)
        return; // the focus was taken back: the button is not pressed
    if (def.kind != ControlKind::TextBox && def.kind != ControlKind::Label)
        deliver(form, {EventKind::Click, id});
    settle();
}

void FakeFormsServices::tab(Form &form) { press(form, {KeyStroke::Key::Tab}); }

void FakeFormsServices::shiftTab(Form &form) { press(form, {KeyStroke::Key::Tab, 0, false, true}); }

void FakeFormsServices::pressKey(Form &form, char32_t character)
{
    KeyStroke stroke{KeyStroke::Key::Other, character};
    if (character == U'\r')
        stroke.key = KeyStroke::Key::Enter;
    else if (character == U'\x1B')
        stroke.key = KeyStroke::Key::Escape;
    else if (character == U'\t')
        stroke.key = KeyStroke::Key::Tab;
    press(form, stroke, character);
}

void FakeFormsServices::press(Form &form, const KeyStroke &stroke, char32_t produces, Caret caret)
{
    if (!accepts(form, "a key"))
        return;
    const FormDefinition &def = form.definition();
    if (def.keyPreview) {
        if (produces != 0)
            deliver(form, {EventKind::KeyPress, kNoControl, FocusCause::Program, produces});
        settle();
        return;
    }
    View &v = stateOf(form);
    const KeyOutcome outcome = keyOutcome(def, v.commands(), v, stroke);
    switch (outcome.kind) {
    case KeyOutcome::Kind::MoveFocus:
        moveFocus(form, outcome.control, outcome.cause);
        break;
    case KeyOutcome::Kind::Press:
        deliver(form, {EventKind::Click, outcome.control});
        break;
    case KeyOutcome::Kind::None:
        if (stroke.key == KeyStroke::Key::Other && produces == U'\b')
            backspace(form);
        if (caret == Caret::End && v.focused != kNoControl) {
            ControlState &c = v.controls[v.focused];
            c.selectionStart = c.selectionEnd = c.text.size();
        }
        break;
    case KeyOutcome::Kind::Consumed:
        break;
    }
    settle();
}

void FakeFormsServices::closeBox(Form &form)
{
    if (!accepts(form, "the close box"))
        return;
    closeBoxPressed(form, *this, [this, &form](ControlId button) { deliver(form, {EventKind::Click, button}); });
    settle();
}

void FakeFormsServices::leaveWindow(Form &form)
{
    focusLeaves(form);
    settle();
}

void FakeFormsServices::returnToWindow(Form &form)
{
    focusReturns(form);
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
