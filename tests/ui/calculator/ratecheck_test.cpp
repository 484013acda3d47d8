// SPDX-License-Identifier: GPL-3.0-or-later
// The rate lock, the zero checks on leaving a field, and the focus forwarding
// past two result fields.
#include "fakeformsservices.h"
#include "kelvastro.h"
#include "uitestmain.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace kelvastro;

class RateCheckTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeFormsServices> services;
    std::unique_ptr<Kelvastro> window;

    void open()
    {
        services = std::make_unique<FakeFormsServices>();
        window = std::make_unique<Kelvastro>(*services, NumberLocale{".", ",", 3, 3});
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QLineEdit *field(Field f) const { return window->field(f); }
    QPushButton *rateButton() const { return window->findChild<QPushButton *>(QStringLiteral("Command2")); }
    void fill(Field f, const QString &text)
    {
        field(f)->setFocus();
        field(f)->selectAll();
        QTest::keyClicks(field(f), text);
    }
    void settle() { QTest::qWait(20); } // queued zero checks run

private slots:
    void cleanup()
    {
        window.reset();
        services.reset();
    }

    void rateToggleShowsThreeLooks()
    {
        open();
        QLineEdit *rate = field(Field::Text8);
        QVERIFY(rate->isReadOnly());
        QCOMPARE(rate->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(rateButton()->text(), QStringLiteral("Change Brokerage %"));

        QTest::mouseClick(rateButton(), Qt::LeftButton);
        QVERIFY(!rate->isReadOnly());
        QCOMPARE(rate->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        QCOMPARE(rateButton()->text(), QStringLiteral("OK"));

        QTest::mouseClick(rateButton(), Qt::LeftButton);
        QVERIFY(rate->isReadOnly());
        QCOMPARE(rate->palette().color(QPalette::Base), QColor(0xD4, 0xD0, 0xC8)); // inactive caption text
        QCOMPARE(rateButton()->text(), QStringLiteral("Change brokerage %"));

        QTest::mouseClick(rateButton(), Qt::LeftButton);
        QVERIFY(!rate->isReadOnly());
        QCOMPARE(rateButton()->text(), QStringLiteral("OK"));
        QCOMPARE(rate->text(), QStringLiteral("0.3"));
    }

    void rateEditRecalculatesAtOnceAndStaysAfterLock()
    {
        open();
        fill(Field::Text1, QStringLiteral("10"));
        fill(Field::Text2, QStringLiteral("5"));
        fill(Field::Text5, QStringLiteral("12"));
        QTest::mouseClick(rateButton(), Qt::LeftButton);
        fill(Field::Text8, QStringLiteral("0.5"));
        QCOMPARE(field(Field::Text3)->text(), QStringLiteral("50.25"));
        QCOMPARE(field(Field::Text7)->text(), QStringLiteral("9.45"));
        QTest::mouseClick(rateButton(), Qt::LeftButton);
        QCOMPARE(field(Field::Text8)->text(), QStringLiteral("0.5"));
        QCOMPARE(field(Field::Text3)->text(), QStringLiteral("50.25"));
    }

    void lockedRateCanBeCopiedButNotChanged()
    {
        open();
        QLineEdit *rate = field(Field::Text8);
        rate->setFocus();
        QCOMPARE(QApplication::focusWidget(), rate);
        QTest::keyClicks(rate, QStringLiteral("9"));
        QTest::keyClick(rate, Qt::Key_Backspace);
        rate->selectAll();
        QTest::keyClick(rate, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0.3"));
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        QTest::keyClick(rate, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rate->text(), QStringLiteral("0.3"));
    }

    void escapePressesRateButtonAndEnterDoesNot()
    {
        open();
        QTest::keyClick(field(Field::Text1), Qt::Key_Return);
        QCOMPARE(rateButton()->text(), QStringLiteral("Change Brokerage %"));
        QTest::keyClick(field(Field::Text1), Qt::Key_Escape);
        QTRY_COMPARE(rateButton()->text(), QStringLiteral("OK"));
    }

    void zeroCheckOnLeavingField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty: none

        const std::pair<const char *, const char *> fields[] = {
            {"Text1", "Buying Price should not be zero"},
            {"Text2", "Quantity should not be zero"},
            {"Text5", "Selling Price should not be zero"},
        };
        for (auto [name, message] : fields) {
            QTest::addRow("%s_zero", name) << name << "0" << message;
            QTest::addRow("%s_zero_point_zero", name) << name << "0.0" << "";
            QTest::addRow("%s_double_zero", name) << name << "00" << "";
            QTest::addRow("%s_blank_then_zero", name) << name << " 0" << "";
            QTest::addRow("%s_empty", name) << name << "" << "";
        }
    }
    void zeroCheckOnLeavingField()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        open();
        auto *edit = window->findChild<QLineEdit *>(name);
        edit->setFocus();
        QTest::keyClicks(edit, text);
        QTest::mouseClick(field(Field::Text9), Qt::LeftButton);
        settle();
        if (message.isEmpty()) {
            QVERIFY(services->messages.empty());
            QCOMPARE(QApplication::focusWidget(), field(Field::Text9));
        } else {
            QCOMPARE(services->messages.size(), size_t(1));
            QCOMPARE(QString::fromStdString(services->messages.front()), message);
            QCOMPARE(QApplication::focusWidget(), edit);
            QCOMPARE(edit->text(), QStringLiteral("0"));
        }
    }

    void twoZeroFieldsSettleWithOneMessagePerLeaving()
    {
        open();
        field(Field::Text2)->setText(QStringLiteral("0"));
        field(Field::Text1)->setText(QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), field(Field::Text1));
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            settle();
        }
        QCOMPARE(services->messages.size(), size_t(3));
        QCOMPARE(QApplication::focusWidget(), field(Field::Text1));
        for (const auto &m : services->messages)
            QCOMPARE(m, std::string("Buying Price should not be zero"));
    }

    // Tab from a zero Quantity would land in Total buying Price and be sent on;
    // the check wins, once.
    void tabFromZeroTowardsForwardedFieldEndsInZeroField()
    {
        open();
        fill(Field::Text2, QStringLiteral("0"));
        QTest::keyClick(field(Field::Text2), Qt::Key_Tab);
        settle();
        QCOMPARE(services->messages.size(), size_t(1));
        QCOMPARE(QApplication::focusWidget(), field(Field::Text2));
    }

    void noMessageWhenWindowMerelyLosesActivation()
    {
        open();
        fill(Field::Text5, QStringLiteral("0"));
        QWidget other;
        other.setFocusPolicy(Qt::StrongFocus);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        settle();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        settle();
        QVERIFY(services->messages.empty());
        QCOMPARE(QApplication::focusWidget(), field(Field::Text5));
    }

    // A real box takes the focus while it is open and gives it back when
    // closed; that must not count as leaving the field again.
    void messageBoxTakingFocusRaisesNoSecondMessage()
    {
        open();
        services->onMessage = [](const std::string &) {
            QWidget box;
            box.setFocusPolicy(Qt::StrongFocus);
            box.show();
            box.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&box));
        };
        fill(Field::Text1, QStringLiteral("0"));
        QTest::keyClick(field(Field::Text1), Qt::Key_Tab);
        settle();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        settle();
        QCOMPARE(services->messages.size(), size_t(1));
        QCOMPARE(QApplication::focusWidget(), field(Field::Text1));
    }

    // The press that took the focus from a zero field is over once its message
    // is up: the box takes the release, so the button must not stay drawn down.
    void rateButtonIsNotLeftPressedByAZeroCheck()
    {
        open();
        fill(Field::Text1, QStringLiteral("0"));
        QTest::mousePress(rateButton(), Qt::LeftButton);
        settle();
        QCOMPARE(services->messages.size(), size_t(1));
        QVERIFY(!rateButton()->isDown());
        QCOMPARE(QApplication::focusWidget(), field(Field::Text1));
        QTest::mouseRelease(rateButton(), Qt::LeftButton);
        QCOMPARE(rateButton()->text(), QStringLiteral("Change Brokerage %"));
    }

    void focusIsForwardedPastTwoResultFields_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("clicked"); // "Tab" or "Backtab": press that key instead
        QTest::addColumn<QString>("landsIn");
        QTest::newRow("click_total_buying") << "Text1" << "Text3" << "Text5";
        QTest::newRow("click_profit") << "Text1" << "Text7" << "Text9";
        QTest::newRow("tab_from_quantity") << "Text2" << "Tab" << "Text5";
        QTest::newRow("tab_from_total_selling") << "Text6" << "Tab" << "Text9";
        QTest::newRow("tab_from_balance") << "Text4" << "Tab" << "Text5";
        // Backwards the focus goes on backwards, or Shift+Tab would be sent forward again.
        QTest::newRow("shift_tab_from_selling") << "Text5" << "Backtab" << "Text4";
        QTest::newRow("shift_tab_from_balance") << "Text4" << "Backtab" << "Text2";
        QTest::newRow("shift_tab_from_rate") << "Text8" << "Backtab" << "Text6";
    }
    void focusIsForwardedPastTwoResultFields()
    {
        QFETCH(QString, from);
        QFETCH(QString, clicked);
        QFETCH(QString, landsIn);
        open();
        auto *start = window->findChild<QLineEdit *>(from);
        start->setFocus();
        if (clicked == QStringLiteral("Tab"))
            QTest::keyClick(start, Qt::Key_Tab);
        else if (clicked == QStringLiteral("Backtab"))
            QTest::keyClick(start, Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::mouseClick(window->findChild<QLineEdit *>(clicked), Qt::LeftButton);
        settle();
        QCOMPARE(QApplication::focusWidget()->objectName(), landsIn);
        QVERIFY(services->messages.empty());
    }
};

KELVASTRO_UI_TEST_MAIN(RateCheckTest)
#include "ratecheck_test.moc"
