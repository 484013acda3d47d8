// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/formview.h"
#include "platform/forms/keystroke.h"
#include "platform/forms/textboxtexts.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QKeyEvent;
class QMenuBar;
class QWidget;

namespace kelvastro {

class FormCanvas;
class FormDialog;
class FormMainWindow;
class FocusRing;
class QtFormsServices;

// One form rendered into Qt widgets from its definition: it implements the
// form's operations on them and turns Qt's signals and events into the
// form's events. The start-up form becomes a FormMainWindow, any other a
// FormDialog. Tab, Enter, Escape, a letter on a button and the commands'
// shortcuts go through the form layer's keyboard rules; Alt and an access
// key is Qt's own mnemonic, which presses the same button the rule would
// (the conformance rows check it).
class QtFormView final : public QObject, public FormView {
    Q_OBJECT
public:
    // `owner`: the window a secondary one belongs to, or null.
    QtFormView(QtFormsServices &services, Form &form, QWidget *owner);
    ~QtFormView() override;

    QWidget *window() const { return m_window.data(); }
    FormDialog *dialog() const { return m_dialog; }
    QWidget *widget(ControlId id) const { return m_widgets[id]; }
    QAction *action(ControlId id) const { return m_actions[id]; }

    void load();
    // What a screen reader reads of a secondary window as it opens: every
    // label's text, as they stand after the load step.
    void describe();
    // The showing is over: the form hears nothing more of it.
    void unloaded() { m_live = false; }
    // The first control in the Tab order takes the focus, as at every showing.
    void focusFirst();

    std::string text(ControlId id) const override;
    void setText(ControlId id, std::string_view text) override;
    void setCaption(std::string_view caption) override;
    void setLocked(ControlId id, bool locked) override;
    void setBackColor(ControlId id, OleColor color) override;
    void setFocus(ControlId id, FocusCause cause) override;
    ControlId focus() const override;

    // TextBoxTexts hooks.
    void showText(ControlId id, std::string_view text);
    bool holdsFocus(ControlId id) const;
    void showFromStart(ControlId id);
    void raiseTextChanged(ControlId id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build(FormCanvas *canvas);
    void buildMenu(QMenuBar *bar);
    void deliver(const FormEvent &event);
    ControlId idOf(const QObject *object) const;
    bool focusEvent(ControlId id, QWidget *control, QEvent *event);
    bool keyEvent(const QKeyEvent *event);
    void press(ControlId id);
    void closeRequested();
    void applyColors();
    void applyColor(ControlId id);

    QtFormsServices &m_services;
    Form &m_form;
    const FormDefinition &m_definition;
    QPointer<QWidget> m_window;
    FormMainWindow *m_main = nullptr;
    FormDialog *m_dialog = nullptr;
    FormCanvas *m_canvas = nullptr;
    FocusRing *m_ring = nullptr;
    std::vector<QWidget *> m_widgets; // by control, null where none
    std::vector<QAction *> m_actions; // menu items and commands
    TextBoxTexts<QtFormView> m_texts;
    std::vector<std::pair<KeyChord, ControlId>> m_commands;
    std::vector<OleColor> m_backColors; // as the definition or the last setBackColor left them
    ControlId m_announced = kNoControl; // the control that heard it got the focus, until it hears it lost it
    bool m_firstFocus = false;          // the focus given at showing arrives with the window's activation
    bool m_live = false;                // loaded and not unloaded since
};

} // namespace kelvastro
