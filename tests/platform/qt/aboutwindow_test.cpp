// SPDX-License-Identifier: GPL-3.0-or-later
// The About window as Qt renders it, and Qt's keys and clicks reaching it.
#include "platform/qt/formdialog.h"
#include "platform/testing/fakesystemservices.h"
#include "platform/testing/memoryregistry.h"
#include "tests/platform/qt/focuscontrast.h"
#include "tests/platform/qt/labelfit.h"
#include "tests/platform/qt/qttestmain.h"
#include "tests/platform/qt/recordingformsservices.h"
#include "ui/about/frmabout.h"
#include "ui/calculator/kelvastro.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kelvastro;

namespace {
const std::string kMessage = "System Information Is Unavailable At This Time";
}

class AboutWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingFormsServices> services;
    FakeSystemServices system;
    MemoryRegistry registry;
    std::unique_ptr<frmAbout> form;
    FormDialog *about = nullptr;

    void open()
    {
        services = std::make_unique<RecordingFormsServices>();
        system = FakeSystemServices{};
        system.registryToUse = &registry;
        form = std::make_unique<frmAbout>(*services, system);
        about = services->prepareModal(*form);
        QVERIFY(about);
        about->open();
        QVERIFY(QTest::qWaitForWindowActive(about));
    }
    QString caption(const char *name) const { return about->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QPushButton *button(const char *name) const
    {
        return about->findChild<QPushButton *>(QString::fromLatin1(name));
    }

private slots:
    void focusShowsAtThreeToOne_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("cmdOK") << "cmdOK";
        QTest::newRow("cmdSysInfo") << "cmdSysInfo";
    }
    void focusShowsAtThreeToOne()
    {
        QFETCH(QString, name);
        open();
        QPushButton *b = button(qPrintable(name));
        const int perimeter = 2 * (b->width() + b->height());
        const int changed = focusPixels(b);
        QVERIFY2(changed >= perimeter, qPrintable(QStringLiteral("%1 of %2").arg(changed).arg(perimeter)));
    }

    void cleanup()
    {
        form.reset();
        services.reset();
    }

    void loadStepWritesTitleAndVersion()
    {
        open();
        QCOMPARE(about->windowTitle(), QStringLiteral("About Kelvastro"));
        QCOMPARE(caption("lblTitle"), QStringLiteral("Kelvastro"));
        QCOMPARE(caption("lblVersion"), QStringLiteral("Version 1.0.0"));
        QCOMPARE(caption("lblDescription"), QStringLiteral("Happy Trading"));
        QVERIFY(caption("lblDisclaimer").startsWith(QStringLiteral("Please follow this tips : ")));
        QCOMPARE(button("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
        // Screen readers pass over labels this short, so the window's name carries them.
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(about);
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("About Kelvastro, Version 1.0.0. Happy Trading"));
    }

    void looksAsDefined()
    {
        open();
        QCOMPARE(about->size(), QSize(387, 250));
        QCOMPARE(about->geometry().topLeft(), QPoint(156, 129));
        QCOMPARE(QApplication::focusWidget(), button("cmdOK"));
        QVERIFY(button("cmdOK")->isDefault());
        QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(about->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Highlight));
        const QStringList clipped = clippedLabels(about);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    void keysCloseOrSearch_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("searches");
        QTest::newRow("escape") << "cmdOK" << int(Qt::Key_Escape) << 0 << true << false;
        QTest::newRow("escape_on_sysinfo") << "cmdSysInfo" << int(Qt::Key_Escape) << 0 << true << false;
        QTest::newRow("enter_on_ok") << "cmdOK" << int(Qt::Key_Return) << 0 << true << false;
        QTest::newRow("enter_on_sysinfo") << "cmdSysInfo" << int(Qt::Key_Return) << 0 << false << true;
        QTest::newRow("alt_s") << "cmdOK" << int(Qt::Key_S) << int(Qt::AltModifier) << false << true;
        QTest::newRow("space_on_ok") << "cmdOK" << int(Qt::Key_Space) << 0 << true << false;
    }
    void keysCloseOrSearch()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        QFETCH(bool, searches);
        open();
        auto *target = about->findChild<QPushButton *>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE_WITH_TIMEOUT(about->isVisible(), !closes, 500);
        QTest::qWait(250); // a button pressed by its access key clicks after a short animation
        // Nothing is installed where the test looks, so a search ends in the message.
        QCOMPARE(services->messages.size(), size_t(searches ? 1 : 0));
        QVERIFY(about->isVisible() == !closes);
    }

    void closeBoxCloses()
    {
        open();
        about->close();
        QVERIFY(!about->isVisible());
        QVERIFY(services->messages.empty());
    }

    void foundToolStartsAndWindowStaysOpen()
    {
        open();
        registry.setString(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", "PATH", R"(C:\Tools\MSINFO32.EXE)");
        system.startablePrograms.insert("C:\\Tools\\MSINFO32.EXE");
        QTest::mouseClick(button("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(system.startAttempts, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
        QVERIFY(services->messages.empty());
        QVERIFY(about->isVisible());
    }

    void missingToolShowsMessageAndWindowStaysAsItWas()
    {
        open();
        QTest::mouseClick(button("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(services->messages, std::vector<std::string>{kMessage});
        QVERIFY(about->isVisible());
        QCOMPARE(caption("lblVersion"), QStringLiteral("Version 1.0.0"));
    }

    // Each opening from the menu loads the window afresh, and the calculator
    // is as it was when it closes.
    void opensFromMenuLoadedAfreshEachTime()
    {
        RecordingFormsServices forms;
        Kelvastro calculatorForm(forms, system, NumberLocale{});
        forms.show(calculatorForm);
        QWidget &calculator = *forms.window(calculatorForm);
        QVERIFY(QTest::qWaitForWindowActive(&calculator));
        auto *buying = calculator.findChild<QLineEdit *>(QStringLiteral("Text1"));
        QTest::keyClicks(buying, QStringLiteral("12"));

        QStringList titles;
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(50, [&] {
                QWidget *box = QApplication::activeModalWidget();
                if (!box || box->objectName() != QStringLiteral("frmAbout"))
                    return;
                auto *title = box->findChild<QLabel *>(QStringLiteral("lblTitle"));
                titles << title->text();
                title->setText(QStringLiteral("changed"));
                box->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->setFocus();
                QTest::keyClick(box, Qt::Key_Escape);
            });
            calculator.findChild<QAction *>(QStringLiteral("aboutkelvastro"))->trigger();
        }
        QCOMPARE(titles, (QStringList{"Kelvastro", "Kelvastro"}));
        QCOMPARE(calculator.findChildren<FormDialog *>().size(), 1);
        QCOMPARE(buying->text(), QStringLiteral("12"));
    }
};

KELVASTRO_UI_TEST_MAIN(AboutWindowTest)
#include "aboutwindow_test.moc"
