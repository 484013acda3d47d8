// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/closebox.h"

#include "platform/forms/form.h"

namespace kelvastro {

void closeBoxPressed(Form &form, FormsServices &services, const std::function<void(ControlId)> &press)
{
    const CloseAction action = closeAction(form.definition());
    switch (action.kind) {
    case CloseAction::Kind::EndProgram: services.endProgram(); break;
    case CloseAction::Kind::Press: press(action.button); break;
    case CloseAction::Kind::Unload: services.unload(form); break;
    }
}

} // namespace kelvastro
