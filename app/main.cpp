// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on Linux: the Qt front end and the POSIX system services.
#include "app/appinfo.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/formdesign.h"
#include "platform/qt/localenumbers.h"
#include "platform/qt/qtformsservices.h"
#include "platform/system/posixsystemservices.h"
#include "ui/calculator/kelvastro.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kelvastro::AppInfo::title));
    QApplication::setApplicationVersion(QString::fromUtf8(kelvastro::AppInfo::version));
    QApplication::setOrganizationName(QString::fromUtf8(kelvastro::AppInfo::title));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kelvastro::AppInfo::appId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kelvastro.png")));
    kelvastro::form::registerFontSubstitutes();
    kelvastro::form::installAccessibility();

    kelvastro::QtFormsServices forms;
    kelvastro::PosixSystemServices system;
    kelvastro::Kelvastro window(forms, system, kelvastro::numberLocaleOf(QLocale::system()));
    forms.show(window);
    return QApplication::exec();
}
