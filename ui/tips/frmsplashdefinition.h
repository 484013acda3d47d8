// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

namespace kelvastro::tips {

// The Tips window's controls, numbered in the order of their definition.
enum Control : ControlId { Frame1, Label3, Label2, Label1, lblVersion, lblCopyright, lblLicenseTo };

const FormDefinition &definition();

} // namespace kelvastro::tips
