// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"
#include "platform/forms/formevent.h"
#include "platform/forms/formsservices.h"

namespace kelvastro {

// A window of the program: its definition, and its handlers behind handle().
// It knows no toolkit; its front end shows it and delivers its events.
class Form {
public:
    Form(FormsServices &services, const FormDefinition &definition) : m_services(services), m_definition(definition)
    {
    }
    virtual ~Form() { m_services.release(*this); }
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const FormDefinition &definition() const { return m_definition; }

    // One event, dispatched to the handler named after its control and kind.
    virtual void handle(const FormEvent &event) = 0;

protected:
    FormsServices &services() const { return m_services; }
    FormView &view() { return m_services.view(*this); }

private:
    FormsServices &m_services;
    const FormDefinition &m_definition;
};

} // namespace kelvastro
