// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a keystroke flows through the program: the user types into an input
// field (Text1 buying price, Text2 quantity, Text5 selling price, Text8 rate).
// The front end (platform/qt, or any other) turns its toolkit's change
// notification into a text-changed event for that control and hands it to
// Kelvastro::handle, which calls the field's change handler here. That asks
// the Recalculator (calc/) to recalculate for the field; it reads and writes
// the fields through FormSheet, that is through the window's FormView, so the
// results show at once. The result fields have no change handler, so writing
// them sets nothing else off. A failure comes back as a value and goes into
// the status line. Nothing is kept between keystrokes but the texts
// themselves. Focus events carry their cause (Tab, Shift+Tab, a click,
// another window): the zero checks and the forwarding past the two totals
// hang on it. Nothing here knows a toolkit; the window's controls, fonts and
// colours are data, in kelvastrodefinition.cpp.

#include "calc/numberlocale.h"
#include "calc/numbertext.h"
#include "calc/recalculator.h"
#include "platform/forms/form.h"

#include <memory>
#include <string>

namespace kelvastro {

class SystemServices;
class frmAbout;
class frmSplash;

// The calculator's one main window.
class Kelvastro final : public Form {
public:
    Kelvastro(FormsServices &forms, SystemServices &system, NumberLocale locale);
    ~Kelvastro() override;

    void handle(const FormEvent &event) override;

    // The whole trade as tab-separated lines, caption then text, for a
    // spreadsheet, and the break-even selling price after it.
    std::string tradeAsText();

private:
    void Form_Load();
    void Text1_Change();
    void Text2_Change();
    void Text5_Change();
    void Text8_Change();
    void Command2_Click();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text5_LostFocus();
    void Text3_GotFocus(FocusCause cause);
    void Text7_GotFocus(FocusCause cause);
    void aboutkelvastro_Click();
    void help_Click();
    void Exit_Click();
    void copyTrade_Click();

    void recalculate(Field changed);
    void announce(std::string_view text);
    void zeroCheck(ControlId field, const char *message);
    void textChanged(ControlId control);
    void clicked(ControlId control);
    void gotFocus(ControlId control, FocusCause cause);
    void lostFocus(ControlId control, FocusCause cause);

    SystemServices &m_system;
    NumberText m_numbers;
    Recalculator m_recalculator;
    bool m_checking = false; // no other check or forwarding while a zero check is under way
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmSplash> m_splash;
};

} // namespace kelvastro
