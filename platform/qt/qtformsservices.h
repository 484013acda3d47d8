// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/colorscheme.h"
#include "platform/forms/formsservices.h"
#include "platform/forms/postedwork.h"

#include <QObject>

#include <QString>

#include <map>
#include <memory>

class QWidget;

namespace kelvastro {

class FormDialog;
class QtFormView;

// The Qt front end: each form rendered by a QtFormView, modal showing by
// QDialog::exec, work posted to the event loop, Qt's message box and clipboard.
class QtFormsServices : public FormsServices {
public:
    QtFormsServices();
    ~QtFormsServices() override;

    FormView &view(Form &form) override;
    void release(Form &form) override;
    void show(Form &form) override;
    void showModal(Form &form) override;
    void unload(Form &form) override;
    void post(Form &owner, std::function<void()> work) override;
    void showMessage(std::string_view text) final;
    void copyToClipboard(std::string_view text) override;
    void endProgram() override;
    ApplicationInfo application() const override;

    // Places and loads a secondary form for a modal showing and gives the focus
    // to its first control; showModal then waits for it to close.
    FormDialog *prepareModal(Form &form);
    // The widget that shows the form, rendering it if need be.
    QWidget *window(Form &form);
    QtFormView &rendered(Form &form);
    bool ended() const { return m_ended; }
    // The colour rule against the desktop's colours, read again by updateScheme().
    const ColorScheme &scheme() const { return m_scheme; }
    void updateScheme();

protected:
    // The box itself; a test puts a recording in its place.
    virtual void messageBox(const QString &text);
    // Leaves the event loop for good; a test that goes on afterwards keeps it.
    virtual void quit();

private:
    std::map<Form *, std::unique_ptr<QtFormView>> m_views;
    Form *m_main = nullptr;
    PostedWork m_work;
    ColorScheme m_scheme;
    QObject m_wakeUp; // where posted work is called from, on the event loop
    bool m_ended = false;
};

} // namespace kelvastro
