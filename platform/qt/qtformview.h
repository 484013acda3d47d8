// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formhost.h"
#include "platform/forms/nativewindow.h"

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

// One window drawn in Qt widgets from its definition: the start-up form as a
// FormMainWindow, any other as a FormDialog. It shows what its FormHost says
// and turns Qt's signals and events into the host's reports. The keys go to
// the host's keyboard rules before the control sees them, except the
// commands' shortcuts, which Qt matches first, and Alt with an access key,
// Qt's own mnemonic, which presses the same button the rule would.
class QtFormView final : public QObject, public NativeWindow {
    Q_OBJECT
public:
    // `owner`: the window a secondary one belongs to, or null.
    QtFormView(QtFormsServices &services, FormHost &host, QWidget *owner);
    ~QtFormView() override;

    QWidget *window() const { return m_window.data(); }
    FormDialog *dialog() const { return m_dialog; }
    QWidget *widget(ControlId id) const { return m_widgets[id]; }
    QAction *action(ControlId id) const { return m_actions[id]; }

    // NativeWindow
    void showText(ControlId id, std::string_view text) override;
    void showFromStart(ControlId id) override;
    void showLook(ControlId id) override;
    void showLocked(ControlId id, bool locked) override;
    void showTitle(std::string_view caption) override;
    void showDescription(std::string_view description) override;
    void applyFocus(ControlId id, bool selectAll) override;
    void focusMoved(ControlId from, ControlId to) override;
    bool press(ControlId id) override;
    void place() override;
    void show() override;
    void runModal() override;
    void close() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build(FormCanvas *canvas);
    void buildMenu(QMenuBar *bar);
    ControlId idOf(const QObject *object) const;
    bool focusEvent(ControlId id, QWidget *control, QEvent *event);
    void applyColor(ControlId id);

    QtFormsServices &m_services;
    FormHost &m_host;
    const FormDefinition &m_definition;
    QPointer<QWidget> m_window;
    FormMainWindow *m_main = nullptr;
    FormDialog *m_dialog = nullptr;
    FormCanvas *m_canvas = nullptr;
    FocusRing *m_ring = nullptr;
    std::vector<QWidget *> m_widgets; // by control, null where none
    std::vector<QAction *> m_actions; // menu items
};

} // namespace kelvastro
