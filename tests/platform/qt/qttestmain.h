// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/accessibility.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

// Windows are tested headless unless the caller chose a platform (xvfb-run, say).
#define KELVASTRO_UI_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                                         \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        QLocale::setDefault(QLocale::c());                                                         \
        kelvastro::form::installAccessibility();                                                   \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
