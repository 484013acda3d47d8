// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formshost.h"

#include <QObject>

class QWidget;

namespace kelvastro {

class FormDialog;
class QtFormView;

// The Qt front end: the shared FormsHost with a QtFormView for each form,
// modal showing by QDialog::exec, work posted to the event loop, Qt's message
// box and clipboard, and the desktop's colours from the application palette.
class QtFormsServices : public FormsHost {
public:
    explicit QtFormsServices(const ApplicationInfo &application);
    ~QtFormsServices() override;

    void copyToClipboard(std::string_view text) override;

    QtFormView &rendered(Form &form);
    // The widget that shows the form, rendering it if need be.
    QWidget *window(Form &form);
    // A secondary form's showing up to its modal loop, and the dialog a test opens.
    FormDialog *prepareDialog(Form &form);
    // The desktop's colours, read again.
    void updateScheme();

protected:
    std::unique_ptr<NativeWindow> createWindow(FormHost &host, FormHost *owner) override;
    void wake() override;
    // Leaves the event loop for good; a test that goes on afterwards keeps it.
    void quit() override;
    // The box itself; a test puts a recording in its place.
    void messageBox(std::string_view text) override;

private:
    QObject m_wakeUp; // where posted work is called from, on the event loop
};

} // namespace kelvastro
