// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"
#include "appinfo.h"
#include "formdesign.h"
#include "kelvastro.h"
#include "localenumbers.h"
#include "qtformsservices.h"

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

    kelvastro::QtFormsServices services;
    kelvastro::Kelvastro window(services, kelvastro::numberLocaleOf(QLocale::system()));
    window.show();
    return QApplication::exec();
}
