// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

namespace kelvastro::about {

// The About window's controls in the order of their definition; Line1 is a
// pair, its index 1 defined first.
enum Control : ControlId {
    cmdOK, cmdSysInfo, Line1_1, lblDescription, lblTitle, Line1_0, lblVersion, lblDisclaimer,
};

const FormDefinition &definition();

} // namespace kelvastro::about
