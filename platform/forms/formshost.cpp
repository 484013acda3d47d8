// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/formshost.h"

#include <algorithm>

namespace kelvastro {

// The windows go while the services they report to are still whole.
FormsHost::~FormsHost() { m_hosts.clear(); }

FormHost &FormsHost::host(Form &form)
{
    auto &slot = m_hosts[&form];
    if (!slot) {
        slot = std::make_unique<FormHost>(*this, form);
        const auto main = m_main && m_main != &form ? m_hosts.find(m_main) : m_hosts.end();
        slot->attach(createWindow(*slot, main != m_hosts.end() ? main->second.get() : nullptr));
    }
    return *slot;
}

FormHost *FormsHost::find(std::string_view formName)
{
    for (auto &[form, formHost] : m_hosts)
        if (formHost && form->definition().name == formName)
            return formHost.get();
    return nullptr;
}

void FormsHost::release(Form &form)
{
    std::erase_if(m_work, [&form](const auto &piece) { return piece.first == &form; });
    m_hosts.erase(&form);
    if (m_main == &form)
        m_main = nullptr;
}

void FormsHost::show(Form &form)
{
    if (form.definition().startUp)
        m_main = &form;
    FormHost &h = host(form);
    h.native().place();
    h.load();
    h.focusFirst();
    h.native().show();
}

void FormsHost::showModal(Form &form)
{
    if (m_ended)
        return;
    prepareModal(form);
    const FormHost &h = host(form);
    h.native().runModal();
    if (h.live())
        unload(form); // the program ended under it
}

void FormsHost::prepareModal(Form &form)
{
    FormHost &h = host(form);
    h.native().place();
    h.load();
    h.describe();
    h.focusFirst();
}

void FormsHost::unload(Form &form)
{
    if (&form == m_main) {
        endProgram();
        return;
    }
    FormHost &h = host(form);
    h.unloaded();
    h.native().close();
}

void FormsHost::post(Form &owner, std::function<void()> work)
{
    m_work.emplace_back(&owner, std::move(work));
    wake();
}

bool FormsHost::runPosted()
{
    if (m_ended || m_work.empty())
        return false;
    // Taken off first: the work may post more, or release its own form.
    auto work = std::move(m_work.front().second);
    m_work.pop_front();
    work();
    return true;
}

void FormsHost::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    m_work.clear();
    quit();
}

void FormsHost::setPalette(const SystemPalette &palette)
{
    m_scheme = ColorScheme(palette);
    for (auto &[form, formHost] : m_hosts)
        if (formHost)
            formHost->native().showLook(kNoControl);
}

} // namespace kelvastro
