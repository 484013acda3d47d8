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
        splash = services->prepareModal(*tips);
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

    void keysThatTypeCloseOthersDoNot_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << true;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << true;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << true;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << true;
        QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << false;
        QTest::newRow("function_key") << int(Qt::Key_F5) << 0 << false;
        QTest::newRow("shift_alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << false;
        QTest::newRow("page_down") << int(Qt::Key_PageDown) << 0 << false;
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << false;
        QTest::newRow("ctrl_letter") << int(Qt::Key_C) << int(Qt::ControlModifier) << false;
    }
    void keysThatTypeCloseOthersDoNot()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        open();
        // With the text that X11 gives each key: Delete carries DEL, Ctrl+C carries ETX.
        QString text;
        if (key == Qt::Key_Delete)
            text = QStringLiteral("\x7f");
        else if (modifiers == Qt::ControlModifier)
            text = QString(QChar(key - Qt::Key_A + 1));
        if (text.isEmpty())
            QTest::keyClick(splash, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else
            QTest::sendKeyEvent(QTest::Click, splash, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(splash->isVisible(), !closes);
    }

    void clickOnPanelCloses()
    {
        open();
        QTest::mouseClick(panel(), Qt::LeftButton, {}, QPoint(60, 100));
        QVERIFY(!splash->isVisible());
    }

    void clickOnLabelOrMarginDoesNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("tips_label") << "Label2";
        QTest::newRow("version_label") << "lblVersion";
        QTest::newRow("dark_red_margin") << "";
    }
    void clickOnLabelOrMarginDoesNothing()
    {
        QFETCH(QString, target);
        open();
        if (target.isEmpty())
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(3, 3));
        else
            QTest::mouseClick(splash->findChild<QLabel *>(target), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(splash->isVisible());
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
        const QRect screen = splash->screen()->availableGeometry();
        QVERIFY(qAbs(splash->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(splash->geometry().center().y() - screen.center().y()) <= 1);
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

    // Opened from the calculator's menu: modal, once per opening, and the
    // calculator is as it was afterwards.
    void opensFromHelpMenuAndLeavesCalculatorUnchanged()
    {
        RecordingFormsServices forms;
        FakeSystemServices system;
        Kelvastro form(forms, system, NumberLocale{});
        forms.show(form);
        QWidget &calculator = *forms.window(form);
        QVERIFY(QTest::qWaitForWindowActive(&calculator));
        auto *buying = calculator.findChild<QLineEdit *>(QStringLiteral("Text1"));
        QTest::keyClicks(buying, QStringLiteral("10"));

        for (int opening = 0; opening < 2; ++opening) {
            bool sawModal = false;
            QTimer::singleShot(50, [&] {
                QWidget *shown = QApplication::activeModalWidget();
                sawModal = shown && shown->objectName() == QStringLiteral("frmSplash") && shown->isVisible();
                if (shown)
                    QTest::keyClick(shown, Qt::Key_Space);
            });
            calculator.findChild<QAction *>(QStringLiteral("help"))->trigger();
            QVERIFY(sawModal);
        }
        QCOMPARE(calculator.findChildren<FormDialog *>().size(), 1);
        QCOMPARE(buying->text(), QStringLiteral("10"));
        QCOMPARE(calculator.findChild<QLineEdit *>(QStringLiteral("Text8"))->text(), QStringLiteral("0.3"));
        QVERIFY(forms.messages.empty());
    }
};

KELVASTRO_UI_TEST_MAIN(TipsWindowTest)
#include "tipswindow_test.moc"
