// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on Linux: the Qt front end and the POSIX system services.
#include "app/appinfo.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/localenumbers.h"
#include "platform/qt/pictureiconengine.h"
#include "platform/qt/qtformsservices.h"
#include "platform/system/posixsystemservices.h"
#include "ui/calculator/kelvastro.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt ends a program it cannot give a window (no display, no platform plugin)
// with abort(): a crash report and a core file for what is the user's setup,
// not a fault. Said plainly, with the exit status 1, instead.
void startUpMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "kelvastro: %s\n", qPrintable(message));
        std::_Exit(1);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    // fontconfig reads its configuration, dozens of XML files, when the first
    // font is asked for: a third of what a bare window takes to start. Read
    // beside the connection to the display, it is ready when the window is built.
    std::thread fontConfiguration([] { FcInit(); });
    previousHandler = qInstallMessageHandler(startUpMessage);
    QApplication app(argc, argv);
    fontConfiguration.join();
    // From here on a fatal message is a fault of the program, and should leave its trace.
    qInstallMessageHandler(previousHandler);
    QApplication::setApplicationName(QString::fromUtf8(kelvastro::AppInfo::title));
    QApplication::setApplicationVersion(QString::fromUtf8(kelvastro::AppInfo::version));
    QApplication::setOrganizationName(QString::fromUtf8(kelvastro::AppInfo::title));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kelvastro::AppInfo::appId));
    // Every size built in, read only when drawn. X11 takes the sizes offered
    // with the window all at once: title bars and switchers at one and two
    // times scale; larger ones come from the icon theme through the desktop file.
    auto *icon = new kelvastro::PictureIconEngine;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon->addPicture(side, QStringLiteral(":/icons/kelvastro-%1.png").arg(side), side <= 64);
    QApplication::setWindowIcon(QIcon(icon));

    kelvastro::form::installAccessibility();

    int status = 0;
    {
        kelvastro::QtFormsServices forms(kelvastro::kApplication);
        kelvastro::PosixSystemServices system;
        kelvastro::Kelvastro window(forms, system, kelvastro::numberLocaleOf(QLocale::system()));
        forms.show(window);
        status = QApplication::exec();
    }
    // Qt 6.4's Wayland client can hang for ever closing its connection: its
    // reading thread waits on a read the main thread began and never ends,
    // and the main thread waits on that thread. The windows are gone and
    // nothing is kept between runs, so there is nothing left to tear down
    // that the system does not take back itself.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
