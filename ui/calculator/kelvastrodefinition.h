// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/field.h"
#include "platform/forms/formdefinition.h"

namespace kelvastro::calculator {

// The calculator window's controls, numbered in the order of their rows.
enum Control : ControlId {
    Label1, Text1, Label2, Text2, Label3, Command2, Text8, Text3, Label4, Text4, Label5, Text5,
    Label6, Text6, Label7, Text7, Label8, Text9, Label9,
    about, aboutkelvastro, help, Exit,
    status,    // the status line: what went wrong, and the rate's state, in words
    copyTrade, // Ctrl+Shift+C: the whole trade as text for a spreadsheet
};

const FormDefinition &definition();

// The rate field's backgrounds once the rate button has been pressed: open
// for editing, and locked again. As loaded, it is the grey of its row.
inline constexpr OleColor kRateOpenBack = 0x80000005u;   // the system's window background
inline constexpr OleColor kRateLockedBack = 0x80000013u; // the system's inactive caption text

// The text box that holds a field of the trade sheet.
constexpr ControlId control(Field f)
{
    constexpr ControlId boxes[kFieldCount] = {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9};
    return boxes[index(f)];
}

} // namespace kelvastro::calculator
