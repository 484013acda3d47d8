// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/formview.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace kelvastro {

class FormCanvas;
class FormDialog;
class FormMainWindow;

// One form rendered into Qt widgets from its definition: it implements the
// form's operations on them and turns Qt's signals and events into the
// form's events. The start-up form becomes a FormMainWindow, any other a FormDialog.
class QtFormView final : public QObject, public FormView {
    Q_OBJECT
public:
    // `owner`: the window a secondary one belongs to, or null.
    QtFormView(Form &form, QWidget *owner);
    ~QtFormView() override;

    QWidget *window() const { return m_window.data(); }
    FormDialog *dialog() const { return m_dialog; }
    QWidget *widget(ControlId id) const { return m_widgets[id]; }
    QAction *action(ControlId id) const { return m_actions[id]; }

    void load();
    // The first control in the Tab order takes the focus, as at every showing.
    void focusFirst();

    std::string text(ControlId id) const override;
    void setText(ControlId id, std::string_view text) override;
    void setCaption(std::string_view caption) override;
    void setAccessibleName(std::string_view name) override;
    void setLocked(ControlId id, bool locked) override;
    void setBackColor(ControlId id, OleColor color) override;
    void setFocus(ControlId id, FocusCause cause) override;
    ControlId focus() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build(FormCanvas *canvas);
    void buildMenu(QMenuBar *bar);
    void deliver(const FormEvent &event);
    ControlId idOf(const QObject *object) const;
    bool focusEvent(ControlId id, QWidget *control, QEvent *event);

    Form &m_form;
    const FormDefinition &m_definition;
    QPointer<QWidget> m_window;
    FormMainWindow *m_main = nullptr;
    FormDialog *m_dialog = nullptr;
    std::vector<QWidget *> m_widgets;  // by control, null where none
    std::vector<QAction *> m_actions;  // menu items and commands
    // Each text box's text as UTF-8, kept as it changes: the arithmetic reads
    // its fields many times per keystroke, and converting each time would cost
    // more than the arithmetic.
    std::vector<std::string> m_texts;
};

} // namespace kelvastro
