// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a keystroke flows through the program: the user types into an input
// field (Text1 buying price, Text2 quantity, Text5 selling price, Text8 rate);
// its textChanged reaches that field's change handler here, which asks the
// Recalculator (calc/, no Qt) to recalculate for that field. The Recalculator
// reads and writes the fields through WidgetSheet, which is bound to the very
// QLineEdits on screen, so the results show at once; the result fields have
// no change handler, so writing them sets nothing else off. A failure comes
// back as a value and is put into the status line, which a screen reader is
// offered as a notification; nothing is kept between keystrokes but the texts
// themselves. Focus arrives and leaves through an event filter that knows
// why (Tab, Shift+Tab, a click): the zero checks and the forwarding past the
// two totals hang on it.

#include "numberlocale.h"
#include "numbertext.h"
#include "recalculator.h"
#include "widgetsheet.h"

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace kelvastro {

class FormsServices;
class frmAbout;
class frmSplash;

// The calculator's one main window.
class Kelvastro : public QMainWindow {
    Q_OBJECT
public:
    Kelvastro(FormsServices &services, NumberLocale locale, QWidget *parent = nullptr);
    ~Kelvastro() override;

    QLineEdit *field(Field f) const { return m_sheet.edit(f); }
    QString statusText() const;

    // The whole trade as tab-separated lines, caption then text, for a spreadsheet.
    QString tradeAsText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildFields(QWidget *canvas);
    void buildMenu();
    void openMenuFromKeyboard();
    void copyTrade();
    void recalculate(Field changed);
    bool fieldLeft(QObject *left, Qt::FocusReason reason);
    bool fieldEntered(QObject *entered, Qt::FocusReason reason);
    void announce(const QString &text);
    void fitStatus();
    void zeroCheck(Field f, const char *message);
    void describeRate(bool open);

    void Form_Load();
    void Text1_Change();
    void Text2_Change();
    void Text5_Change();
    void Text8_Change();
    void Command2_Click();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text5_LostFocus();
    void Text3_GotFocus(bool backwards);
    void Text7_GotFocus(bool backwards);
    void aboutkelvastro_Click();
    void help_Click();
    void Exit_Click();

    FormsServices &m_services;
    NumberText m_numbers;
    Recalculator m_recalculator;
    WidgetSheet m_sheet;
    QPushButton *m_rateButton = nullptr;
    QLabel *m_status = nullptr;
    QScrollArea *m_scroll = nullptr;
    bool m_sized = false;    // sized to the screen at the first showing
    int m_statusReserve = 0; // the height of two lines of status
    Field m_leaving = Field::Text1; // the field whose zero check is under way
    bool m_checking = false;        // no other check or forwarding while one is under way
    frmAbout *m_about = nullptr;
    frmSplash *m_splash = nullptr;
};

} // namespace kelvastro
