// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/kelvastro.h"

#include "calc/breakeven.h"
#include "calc/calcfailure.h"
#include "calc/decimaldigits.h"
#include "ui/about/frmabout.h"
#include "ui/calculator/formsheet.h"
#include "ui/calculator/kelvastrodefinition.h"
#include "ui/tips/frmsplash.h"

namespace kelvastro {

using namespace calculator;

namespace {

constexpr std::string_view kOpenCaption = "OK";

// Copied trades read as the window does, row by row.
constexpr Field kCopyOrder[] = {Field::BuyingPrice,  Field::Quantity,     Field::BrokerageRate,
                                Field::TotalCost,    Field::BankBalance,  Field::SellingPrice,
                                Field::SellingTotal, Field::ProfitLoss,   Field::PriceChange};

} // namespace

Kelvastro::Kelvastro(FormsServices &forms, SystemServices &system, NumberLocale locale)
    : Form(forms, calculator::definition()), m_system(system), m_numbers(std::move(locale)),
      m_recalculator(m_numbers)
{
}

// The secondary windows go first: they are shown through this one.
Kelvastro::~Kelvastro()
{
    m_about.reset();
    m_splash.reset();
}

void Kelvastro::handle(const FormEvent &event)
{
    switch (event.kind) {
    case EventKind::Load:
        Form_Load();
        break;
    case EventKind::TextChanged:
        textChanged(event.control);
        break;
    case EventKind::Click:
        clicked(event.control);
        break;
    case EventKind::GotFocus:
        gotFocus(event.control, event.cause);
        break;
    case EventKind::LostFocus:
        lostFocus(event.control, event.cause);
        break;
    case EventKind::KeyPress:
        break;
    }
}

void Kelvastro::textChanged(ControlId control)
{
    switch (control) {
    case Text1: Text1_Change(); break;
    case Text2: Text2_Change(); break;
    case Text5: Text5_Change(); break;
    case Text8: Text8_Change(); break;
    default: break; // the result fields set nothing off
    }
}

void Kelvastro::clicked(ControlId control)
{
    switch (control) {
    case Command2: Command2_Click(); break;
    case aboutkelvastro: aboutkelvastro_Click(); break;
    case help: help_Click(); break;
    case Exit: Exit_Click(); break;
    case copyTrade: copyTrade_Click(); break;
    default: break;
    }
}

void Kelvastro::gotFocus(ControlId control, FocusCause cause)
{
    if (m_checking)
        return; // the zero field keeps the focus; nothing is forwarded past it
    if (control == Text3)
        Text3_GotFocus(cause);
    else if (control == Text7)
        Text7_GotFocus(cause);
}

// Only a move of the focus to another control of this window counts as
// leaving a field: a message box, a menu, another window or another program
// taking the focus does not.
void Kelvastro::lostFocus(ControlId control, FocusCause cause)
{
    if (m_checking || cause == FocusCause::OtherWindow)
        return;
    switch (control) {
    case Text1: Text1_LostFocus(); break;
    case Text2: Text2_LostFocus(); break;
    case Text5: Text5_LostFocus(); break;
    default: break;
    }
}

void Kelvastro::Form_Load()
{
    FormView &v = view();
    for (ControlId box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7})
        v.setText(box, {});
    // Written in the user's own notation: "0,3" where the comma is the decimal
    // separator, so that it reads back as 0.3 and not as an error or as 3.
    v.setText(Text8, m_numbers.display(0.3));
    v.setText(Text9, {});
}

void Kelvastro::Text1_Change() { recalculate(Field::BuyingPrice); }
void Kelvastro::Text2_Change() { recalculate(Field::Quantity); }
void Kelvastro::Text5_Change() { recalculate(Field::SellingPrice); }
void Kelvastro::Text8_Change() { recalculate(Field::BrokerageRate); }

void Kelvastro::recalculate(Field changed)
{
    FormSheet sheet(view());
    const auto failure = m_recalculator.recalculate(sheet, changed);
    announce(failure ? describe(*failure) : std::string());
}

// The status line is where the window says what happened: seen there, and
// spoken by a screen reader wherever the focus is; once for each new message,
// not again at every keystroke it persists through.
void Kelvastro::announce(std::string_view text)
{
    FormView &v = view();
    if (v.text(status) != text)
        v.setText(status, text);
}

// The button's caption is the only record of whether the rate is open.
void Kelvastro::Command2_Click()
{
    FormView &v = view();
    v.setLocked(Text8, false);
    v.setBackColor(Text8, kRateOpenBack);
    // The caption "OK" tells a sighted user that the rate is open; a screen
    // reader is told in words, wherever the focus is when the rate changes.
    if (v.text(Command2) != kOpenCaption) {
        v.setText(Command2, kOpenCaption);
        announce("Brokerage rate open for editing");
        return;
    }
    v.setLocked(Text8, true);
    v.setBackColor(Text8, kRateLockedBack);
    v.setText(Command2, "Change brokerage %");
    announce("Brokerage rate locked");
}

void Kelvastro::Text1_LostFocus() { zeroCheck(Text1, "Buying Price should not be zero"); }
void Kelvastro::Text2_LostFocus() { zeroCheck(Text2, "Quantity should not be zero"); }
void Kelvastro::Text5_LostFocus() { zeroCheck(Text5, "Selling Price should not be zero"); }

void Kelvastro::zeroCheck(ControlId field, const char *message)
{
    // "0" in the user's own digits is "0" all the same; "0.0", "00" and " 0" pass.
    if (!isLoneZeroDigit(view().text(field)))
        return;
    // The focus goes back at once, so that it never rests elsewhere or gets
    // forwarded; the message follows once the focus change has settled, as a
    // modal box inside a focus change would run under the press that moved it.
    m_checking = true;
    view().setFocus(field);
    services().post(*this, [this, field, message] {
        services().showMessage(message);
        view().setFocus(field);
        m_checking = false;
    });
}

// Shift+Tab goes on backwards, or it would be sent forward again for ever.
void Kelvastro::Text3_GotFocus(FocusCause cause)
{
    if (cause == FocusCause::ShiftTab)
        view().setFocus(Text2, FocusCause::ShiftTab);
    else
        view().setFocus(Text5, FocusCause::Tab);
}

void Kelvastro::Text7_GotFocus(FocusCause cause)
{
    if (cause == FocusCause::ShiftTab)
        view().setFocus(Text6, FocusCause::ShiftTab);
    else
        view().setFocus(Text9, FocusCause::Tab);
}

void Kelvastro::aboutkelvastro_Click()
{
    if (!m_about)
        m_about = std::make_unique<frmAbout>(services(), m_system);
    services().showModal(*m_about);
}

// Created at the first opening and kept; the Tips window holds no state, so
// every opening shows it as defined.
void Kelvastro::help_Click()
{
    if (!m_splash)
        m_splash = std::make_unique<frmSplash>(services());
    services().showModal(*m_splash);
}

void Kelvastro::Exit_Click()
{
    services().endProgram();
}

// The nine fields as the window shows them, then the price a trader asks for
// most: the one at which selling breaks even.
std::string Kelvastro::tradeAsText()
{
    std::string out;
    FormView &v = view();
    for (Field f : kCopyOrder) {
        out += spokenName(definition(), control(f));
        out += '\t';
        out += v.text(control(f));
        out += '\n';
    }
    out += "Break-even Selling Price\t";
    FormSheet sheet(v);
    if (const auto price = breakEvenPrice(sheet, m_numbers))
        out += m_numbers.display(*price);
    out += '\n';
    return out;
}

void Kelvastro::copyTrade_Click()
{
    services().copyToClipboard(tradeAsText());
}

} // namespace kelvastro
