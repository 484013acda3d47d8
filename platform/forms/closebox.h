// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formevent.h"

#include <functional>

namespace kelvastro {

class Form;
class FormsServices;

// The close box (or Alt+F4) was pressed on `form`: does what closeAction()
// says, pressing a button the front end's way (`press`), so that it looks
// and sounds pressed as a click would.
void closeBoxPressed(Form &form, FormsServices &services, const std::function<void(ControlId)> &press);

} // namespace kelvastro
