// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtformsservices.h"

#include "platform/qt/desktoppalette.h"
#include "platform/qt/formdialog.h"
#include "platform/qt/qtformview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

namespace kelvastro {

namespace {
QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
} // namespace

QtFormsServices::QtFormsServices(const ApplicationInfo &application) : FormsHost(application) { updateScheme(); }

QtFormsServices::~QtFormsServices() { releaseAll(); }

void QtFormsServices::updateScheme() { setPalette(desktopPalette(QGuiApplication::palette())); }

// Secondary windows belong to the main one: centred on it, kept in front, out of the task bar.
std::unique_ptr<NativeWindow> QtFormsServices::createWindow(FormHost &host, FormHost *owner)
{
    QWidget *parent = owner ? static_cast<QtFormView &>(owner->native()).window() : nullptr;
    return std::make_unique<QtFormView>(*this, host, parent);
}

QtFormView &QtFormsServices::rendered(Form &form) { return static_cast<QtFormView &>(host(form).native()); }

QWidget *QtFormsServices::window(Form &form) { return rendered(form).window(); }

FormDialog *QtFormsServices::prepareDialog(Form &form)
{
    prepareModal(form);
    return rendered(form).dialog();
}

// Qt delivers posted calls before the next input event it reads.
void QtFormsServices::wake()
{
    QMetaObject::invokeMethod(&m_wakeUp, [this] { runPosted(); }, Qt::QueuedConnection);
}

void QtFormsServices::messageBox(std::string_view text)
{
    // A press on a button that took the focus away is over: the box takes the
    // release, so the button would stay drawn pressed.
    for (QWidget *w : QApplication::allWidgets())
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && button->isDown())
            button->setDown(false);
    // Parented to the active window so that it is centred on it and stays in front.
    QMessageBox box(QMessageBox::NoIcon, qtext(application().title), qtext(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtFormsServices::copyToClipboard(std::string_view text) { QGuiApplication::clipboard()->setText(qtext(text)); }

void QtFormsServices::quit() { QCoreApplication::exit(0); }

} // namespace kelvastro
