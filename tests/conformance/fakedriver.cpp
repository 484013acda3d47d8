// SPDX-License-Identifier: GPL-3.0-or-later
// The conformance rows on the scripted fake front end.
#include "platform/testing/fakeformsservices.h"
#include "tests/conformance/driver.h"

#include <gtest/gtest.h>

namespace kelvastro::conformance {

namespace {

class FakeDriver final : public Driver {
public:
    FakeDriver()
    {
        m_forms.onModal = [this](Form &shown) {
            m_modal.form = &shown;
            // The caller under it: the fake records input to it as a fault.
            const std::size_t faults = m_forms.faults.size();
            if (m_caller)
                m_forms.click(*m_caller, kNoControl);
            m_modal.callerTookInput = m_forms.faults.size() == faults;
            m_forms.faults.resize(faults);
            if (m_user)
                m_user(shown);
            m_modal.leftOpen = m_forms.isShown(shown);
            if (m_modal.leftOpen)
                m_forms.unload(shown);
        };
    }
    ~FakeDriver() override
    {
        for (const auto &fault : m_forms.faults)
            ADD_FAILURE() << fault;
    }

    FormsServices &forms() override { return m_forms; }
    void start(Form &main) override
    {
        m_caller = &main;
        m_forms.show(main);
    }
    void type(std::string_view utf8) override { m_forms.type(active(), utf8); }
    void press(Key key) override
    {
        using K = KeyStroke::Key;
        Form &form = active();
        switch (key) {
        case Key::Tab: m_forms.press(form, {K::Tab}); break;
        case Key::ShiftTab: m_forms.press(form, {K::Tab, 0, false, true}); break;
        case Key::Enter: m_forms.press(form, {K::Enter}, U'\r'); break;
        case Key::Escape: m_forms.press(form, {K::Escape}, U'\x1B'); break;
        case Key::Space:
            // A button takes the space bar as a click.
            if (const ControlId f = m_forms.focus(form);
                f != kNoControl && form.definition().control(f).kind == ControlKind::Button)
                m_forms.click(form, f);
            else if (form.definition().keyPreview)
                m_forms.press(form, {K::Character, U' '}, U' ');
            else
                m_forms.type(form, " ");
            break;
        case Key::Backspace: m_forms.press(form, {K::Other}, U'\b'); break;
        case Key::Delete: m_forms.press(form, {K::Other}, U'\x7F'); break;
        case Key::Left:
        case Key::F2: m_forms.press(form, {K::Other}); break;
        case Key::End: m_forms.press(form, {K::Other}, 0, FakeFormsServices::Caret::End); break;
        case Key::CtrlA: m_forms.press(form, {K::Character, U'a', true}, U'\x01'); break;
        case Key::AltS: m_forms.press(form, {K::Character, U's', false, false, true}); break;
        case Key::CtrlShiftC: m_forms.press(form, {K::Character, U'C', true, true}, U'\x03'); break;
        // An input method's half pair reaches the window as it is.
        case Key::LoneSurrogate: m_forms.press(form, {K::Other}, char32_t{0xDC00}); break;
        }
    }
    void click(Form &form, ControlId id) override { m_forms.click(form, id); }
    void closeBox(Form &form) override { m_forms.closeBox(form); }

    std::string text(Form &form, ControlId id) override { return m_forms.text(form, id); }
    Selection selection(Form &form, ControlId id) override
    {
        const auto &c = m_forms.control(form, id);
        return {characters(c.text, c.selectionStart), characters(c.text, c.selectionEnd)};
    }
    ControlId focus(Form &form) override { return m_forms.focus(form); }
    bool locked(Form &form, ControlId id) override { return m_forms.control(form, id).locked; }
    Look look(Form &form, ControlId id) override { return m_forms.host(form).look(id); }
    ColorScheme scheme() override { return ColorScheme(); }
    std::string caption(Form &form) override { return m_forms.caption(form); }
    bool isOpen(Form &form) override { return m_forms.isShown(form); }

    const std::vector<std::string> &messages() override { return m_forms.messages; }
    std::string clipboard() override { return m_forms.clipboard; }
    bool ended() override { return m_forms.ended(); }

    Modal whileModal(const std::function<void()> &open, const std::function<void(Form &)> &user) override
    {
        m_modal = {};
        m_user = user;
        open();
        m_user = nullptr;
        return m_modal;
    }

private:
    Form &active()
    {
        Form *form = m_forms.active();
        if (!form)
            throw std::logic_error("no window takes input");
        return *form;
    }
    static int characters(const std::string &text, std::size_t bytes)
    {
        int count = 0;
        for (std::size_t i = 0; i < bytes && i < text.size(); ++i)
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
                ++count;
        return count;
    }

    FakeFormsServices m_forms;
    Form *m_caller = nullptr;
    std::function<void(Form &)> m_user;
    Modal m_modal;
};

} // namespace

std::unique_ptr<Driver> makeDriver() { return std::make_unique<FakeDriver>(); }

} // namespace kelvastro::conformance
