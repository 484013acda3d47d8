// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtformsservices.h"

#include "app/appinfo.h"
#include "platform/qt/desktoppalette.h"
#include "platform/qt/formdialog.h"
#include "platform/qt/qtformview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

namespace kelvastro {

QtFormsServices::QtFormsServices() { updateScheme(); }

void QtFormsServices::updateScheme()
{
    m_scheme = ColorScheme(desktopPalette(QGuiApplication::palette()));
}

QtFormsServices::~QtFormsServices() = default;

QtFormView &QtFormsServices::rendered(Form &form)
{
    auto &slot = m_views[&form];
    if (!slot) {
        // Secondary windows belong to the main one: centred on it, kept in front, out of the task bar.
        const auto main = m_main && m_main != &form ? m_views.find(m_main) : m_views.end();
        QWidget *owner = main != m_views.end() && main->second ? main->second->window() : nullptr;
        slot = std::make_unique<QtFormView>(*this, form, owner);
    }
    return *slot;
}

FormView &QtFormsServices::view(Form &form) { return rendered(form); }

QWidget *QtFormsServices::window(Form &form) { return rendered(form).window(); }

void QtFormsServices::release(Form &form)
{
    m_work.drop(form);
    m_views.erase(&form);
    if (m_main == &form)
        m_main = nullptr;
}

void QtFormsServices::show(Form &form)
{
    if (form.definition().startUp)
        m_main = &form;
    QtFormView &v = rendered(form);
    v.load();
    v.focusFirst();
    v.window()->show();
}

FormDialog *QtFormsServices::prepareModal(Form &form)
{
    QtFormView &v = rendered(form);
    FormDialog *dialog = v.dialog();
    if (!dialog)
        return nullptr;
    dialog->place();
    v.load();
    v.describe();
    v.focusFirst();
    return dialog;
}

void QtFormsServices::showModal(Form &form)
{
    if (FormDialog *dialog = prepareModal(form))
        dialog->exec();
}

void QtFormsServices::unload(Form &form)
{
    QtFormView &v = rendered(form);
    v.unloaded();
    if (FormDialog *dialog = v.dialog())
        dialog->done(QDialog::Accepted);
    else
        v.window()->close();
}

void QtFormsServices::post(Form &owner, std::function<void()> work)
{
    m_work.post(owner, std::move(work));
    // Qt delivers posted calls before the next input event it reads.
    QMetaObject::invokeMethod(&m_wakeUp, [this] {
        if (!m_ended)
            m_work.runNext();
    }, Qt::QueuedConnection);
}

void QtFormsServices::showMessage(std::string_view text)
{
    // A press on a button that took the focus away is over: the box takes the
    // release, so the button would stay drawn pressed.
    for (QWidget *w : QApplication::allWidgets())
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && button->isDown())
            button->setDown(false);
    messageBox(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtFormsServices::messageBox(const QString &text)
{
    // Parented to the active window so that it is centred on it and stays in front.
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(AppInfo::title), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtFormsServices::copyToClipboard(std::string_view text)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtFormsServices::endProgram()
{
    m_ended = true;
    m_work.clear();
    quit();
}

void QtFormsServices::quit()
{
    QCoreApplication::exit(0);
}

ApplicationInfo QtFormsServices::application() const
{
    return {AppInfo::title, AppInfo::major, AppInfo::minor, AppInfo::revision};
}

} // namespace kelvastro
