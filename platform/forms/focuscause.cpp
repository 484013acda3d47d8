// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/focuscause.h"

namespace kelvastro {

FocusCause focusCause(FocusOrigin origin, bool otherEndInThisWindow)
{
    switch (origin) {
    case FocusOrigin::Activation:
    case FocusOrigin::Popup:
    case FocusOrigin::MenuBar:
        return FocusCause::OtherWindow;
    default:
        break;
    }
    if (!otherEndInThisWindow)
        return FocusCause::OtherWindow;
    switch (origin) {
    case FocusOrigin::Tab: return FocusCause::Tab;
    case FocusOrigin::ShiftTab: return FocusCause::ShiftTab;
    case FocusOrigin::Click: return FocusCause::Click;
    default: break;
    }
    return FocusCause::Program;
}

} // namespace kelvastro
