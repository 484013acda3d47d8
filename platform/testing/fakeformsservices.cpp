// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/fakeformsservices.h"

#include "calc/utf8.h"

#include <algorithm>
#include <cstddef>

namespace kelvastro {

// The fake toolkit's window: what each control shows, and where its focus is.
class FakeFormsServices::Window final : public NativeWindow {
public:
    Window(FakeFormsServices &services, FormHost &host)
        : title(host.definition().caption), m_services(services), m_host(host)
    {
        for (std::size_t i = 0; i < host.definition().controls.size(); ++i)
            controls.push_back({host.text(static_cast<ControlId>(i)), host.locked(static_cast<ControlId>(i))});
    }

    void showText(ControlId id, std::string_view text) override
    {
        controls[id].text = std::string(text);
        controls[id].selectionStart = controls[id].selectionEnd = text.size();
        if (m_host.definition().control(id).kind == ControlKind::TextBox)
            m_host.textChanged(id, std::string(text));
    }
    void showFromStart(ControlId id) override { controls[id].selectionStart = controls[id].selectionEnd = 0; }
    void showLook(ControlId) override {}
    void showLocked(ControlId id, bool locked) override { controls[id].locked = locked; }
    void showTitle(std::string_view caption) override { title = std::string(caption); }
    void showDescription(std::string_view) override {}
    void applyFocus(ControlId id, bool selectAll) override
    {
        if (id != kNoControl && selectAll) {
            controls[id].selectionStart = 0;
            controls[id].selectionEnd = controls[id].text.size();
        }
    }
    void focusMoved(ControlId, ControlId) override {}
    bool press(ControlId) override { return false; }
    void place() override {}
    void show() override { open(); }
    // The window under it loses the focus while it is open, and has it back after.
    void runModal() override
    {
        Form *caller = m_services.active();
        if (caller)
            m_services.host(*caller).focusLeft(m_services.focus(*caller), FocusCause::OtherWindow);
        open();
        if (m_services.onModal && shown)
            m_services.onModal(m_host.form());
        if (shown) {
            m_services.faults.emplace_back("a modal window was left open");
            m_services.unload(m_host.form());
        }
        if (caller && !m_services.ended())
            m_services.host(*caller).focusArrived(m_services.focus(*caller), FocusCause::OtherWindow);
    }
    void close() override
    {
        shown = false;
        std::erase(m_services.m_shown, &m_host.form());
    }

    std::vector<ControlState> controls;
    std::string title;
    bool shown = false;

private:
    void open()
    {
        shown = true;
        m_services.m_shown.push_back(&m_host.form());
        m_services.settle();
    }

    FakeFormsServices &m_services;
    FormHost &m_host;
};

std::unique_ptr<NativeWindow> FakeFormsServices::createWindow(FormHost &host, FormHost *)
{
    return std::make_unique<Window>(*this, host);
}

FakeFormsServices::Window &FakeFormsServices::window(Form &form)
{
    return static_cast<Window &>(host(form).native());
}

void FakeFormsServices::settle()
{
    while (runPosted()) {
    }
}

bool FakeFormsServices::accepts(Form &form, const char *what)
{
    if (ended())
        return false;
    if (active() == &form)
        return true;
    faults.emplace_back(std::string(what) + " to a window that is not the active one");
    return false;
}

// The box takes the focus while it is open and gives it back when closed.
void FakeFormsServices::messageBox(std::string_view text)
{
    messages.emplace_back(text);
    if (Form *over = active()) {
        host(*over).focusLeft(focus(*over), FocusCause::OtherWindow);
        host(*over).focusArrived(focus(*over), FocusCause::OtherWindow);
    }
}

void FakeFormsServices::replaceSelection(Form &form, std::string_view with)
{
    const ControlId id = focus(form);
    ControlState &c = window(form).controls[id];
    const std::size_t from = std::min(c.selectionStart, c.selectionEnd);
    const std::size_t to = std::max(c.selectionStart, c.selectionEnd);
    std::string now = c.text;
    now.replace(from, to - from, with);
    c.text = now;
    c.selectionStart = c.selectionEnd = from + with.size();
    host(form).textChanged(id, std::move(now));
    settle();
}

void FakeFormsServices::type(Form &form, std::string_view characters)
{
    if (!accepts(form, "typing"))
        return;
    const bool preview = form.definition().keyPreview;
    const auto inTextBox = [&] {
        const ControlId id = focus(form);
        return id != kNoControl && form.definition().control(id).kind == ControlKind::TextBox;
    };
    if (!preview && !inTextBox()) {
        faults.emplace_back("typing with no text box holding the focus");
        return;
    }
    // One character is one key, one change, however many bytes it takes.
    for (std::size_t i = 0; i < characters.size() && !ended();) {
        const std::size_t start = i;
        const char32_t c = decodeUtf8At(characters, i);
        if (preview) {
            host(form).keyPreviewed(c);
            settle();
        } else if (!inTextBox() || window(form).controls[focus(form)].locked) {
            break;
        } else {
            replaceSelection(form, characters.substr(start, i - start));
        }
    }
}

void FakeFormsServices::backspace(Form &form)
{
    const ControlId id = focus(form);
    if (!accepts(form, "a key") || id == kNoControl || window(form).controls[id].locked)
        return;
    ControlState &c = window(form).controls[id];
    if (c.selectionStart == c.selectionEnd) {
        if (c.selectionEnd == 0)
            return;
        c.selectionStart = c.selectionEnd - 1;
        while (c.selectionStart > 0 && (static_cast<unsigned char>(c.text[c.selectionStart]) & 0xC0) == 0x80)
            --c.selectionStart;
    }
    replaceSelection(form, {});
}

void FakeFormsServices::paste(Form &form, std::string_view text)
{
    const ControlId id = focus(form);
    if (!accepts(form, "a paste") || id == kNoControl || window(form).controls[id].locked)
        return;
    window(form).controls[id].selectionStart = 0;
    window(form).controls[id].selectionEnd = window(form).controls[id].text.size();
    replaceSelection(form, text);
}

void FakeFormsServices::fill(Form &form, ControlId id, std::string_view text)
{
    click(form, id);
    if (ended() || focus(form) != id || window(form).controls[id].locked)
        return;
    window(form).controls[id].selectionStart = 0;
    if (text.empty())
        paste(form, {});
    else
        type(form, text);
}

// A click gives the focus first, a text box's caret at the end of its text;
// then it presses what it landed on, unless the focus was refused to it.
void FakeFormsServices::click(Form &form, ControlId id)
{
    if (!accepts(form, "a click") || id == kNoControl)
        return;
    const ControlDef &def = form.definition().control(id);
    if (takesFocus(def)) {
        ControlState &c = window(form).controls[id];
        c.selectionStart = c.selectionEnd = c.text.size();
        host(form).focusArrived(id, FocusCause::Click);
        settle();
    }
    if (def.kind != ControlKind::TextBox && def.kind != ControlKind::Label && !host(form).refusesPress(id))
        host(form).clicked(id);
    settle();
}

void FakeFormsServices::press(Form &form, const KeyStroke &stroke, char32_t produces, Caret caret)
{
    if (!accepts(form, "a key"))
        return;
    FormHost &h = host(form);
    if (form.definition().keyPreview) {
        h.keyPreviewed(produces);
    } else if (!h.keyPressed(stroke)) {
        if (produces == U'\b')
            backspace(form);
        if (caret == Caret::End && h.focus() != kNoControl) {
            ControlState &c = window(form).controls[h.focus()];
            c.selectionStart = c.selectionEnd = c.text.size();
        }
    }
    settle();
}

void FakeFormsServices::closeBox(Form &form)
{
    if (!accepts(form, "the close box"))
        return;
    host(form).closeBoxPressed();
    settle();
}

void FakeFormsServices::leaveWindow(Form &form)
{
    host(form).focusLeft(focus(form), FocusCause::OtherWindow);
    settle();
}

void FakeFormsServices::returnToWindow(Form &form)
{
    if (!ended())
        host(form).focusArrived(focus(form), FocusCause::OtherWindow);
    settle();
}

const FakeFormsServices::ControlState &FakeFormsServices::control(Form &form, ControlId id)
{
    return window(form).controls.at(id);
}

std::string FakeFormsServices::focusName(Form &form)
{
    const ControlId id = focus(form);
    return id == kNoControl ? std::string() : std::string(form.definition().control(id).name);
}

const std::string &FakeFormsServices::caption(Form &form) { return window(form).title; }
bool FakeFormsServices::isShown(Form &form) { return window(form).shown; }

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
