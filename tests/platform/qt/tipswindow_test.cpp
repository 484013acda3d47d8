// SPDX-License-Identifier: GPL-3.0-or-later
// The Tips window as Qt renders it, and Qt's keys and clicks reaching it.
#include "platform/qt/formdialog.h"
#include "platform/testing/fakesystemservices.h"
#include "tests/platform/qt/labelfit.h"
#include "tests/platform/qt/qttestmain.h"
#include "tests/platform/qt/recordingformsservices.h"
#include "ui/calculator/kelvastro.h"
#include "ui/tips/frmsplash.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QAccessible>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kelvastro;

class TipsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingFormsServices> services;
    std::unique_ptr<frmSplash> tips;
    FormDialog *splash = nullptr;

    void open()
    {
        services = std::make_unique<RecordingFormsServices>();
        tips = std::make_unique<frmSplash>(*services);
        splash = services->prepareDialog(*tips);
        QVERIFY(splash);
        splash->open();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
    }
    QWidget *panel() const { return splash->findChild<QWidget *>(QStringLiteral("Frame1")); }

private slots:
    void cleanup()
    {
        tips.reset();
        services.reset();
    }

    void looksAsDefined()
    {
        open();
        // No title bar to read, so the window is named for screen readers.
        QCOMPARE(QAccessible::queryAccessibleInterface(splash)->text(QAccessible::Name), QStringLiteral("Tips"));
        QCOMPARE(splash->size(), QSize(492, 283));
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash->windowTitle().isEmpty());
        QCOMPARE(splash->palette().color(QPalette::Window), QColor(128, 0, 0));
        QCOMPARE(panel()->geometry(), QRect(10, 4, 472, 270));
        QCOMPARE(panel()->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Kelvastro v 1.0"));
        QVERIFY(splash->findChild<QLabel *>(QStringLiteral("Label2"))->text().startsWith("Please follow the tips :"));
        // Centred on the screen where it fits; across a screen too narrow for
        // it (400 logical pixels wide at scale 2), from the screen's left edge.
        const QRect screen = splash->screen()->availableGeometry();
        QVERIFY(qAbs(splash->geometry().center().y() - screen.center().y()) <= 1);
        if (screen.width() >= 492)
            QVERIFY(qAbs(splash->geometry().center().x() - screen.center().x()) <= 1);
        else
            QCOMPARE(splash->geometry().left(), screen.left());
        for (auto *w : splash->findChildren<QWidget *>())
            QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    }

    // The right-aligned owner line starts left of the panel and still shows whole.
    void everyCaptionShowsWhole()
    {
        open();
        const QStringList clipped = clippedLabels(splash);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

};

KELVASTRO_UI_TEST_MAIN(TipsWindowTest)
#include "tipswindow_test.moc"
