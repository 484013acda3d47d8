// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeformsservices.h"
#include "focuscontrast.h"
#include "kelvastro.h"
#include "labelfit.h"
#include "uitestmain.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace kelvastro;

namespace {

const NumberLocale kUs{".", ",", 3, 3};
const NumberLocale kGerman{",", ".", 3, 3};

} // namespace

class KelvastroTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeFormsServices> services;
    std::unique_ptr<Kelvastro> window;

    void open(const NumberLocale &locale = kUs)
    {
        services = std::make_unique<FakeFormsServices>();
        window = std::make_unique<Kelvastro>(*services, locale);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QLineEdit *field(Field f) const { return window->field(f); }
    QString text(Field f) const { return field(f)->text(); }
    void type(Field f, const QString &keys)
    {
        field(f)->setFocus();
        QTest::keyClicks(field(f), keys);
    }

private slots:
    void cleanup()
    {
        window.reset();
        services.reset();
    }

    void startsWithRateOnlyAndFocusInBuyingPrice()
    {
        open();
        QCOMPARE(text(Field::Text8), QStringLiteral("0.3"));
        for (Field f : kAllFields)
            if (f != Field::Text8)
                QVERIFY2(text(f).isEmpty(), fieldName(f).data());
        QCOMPARE(QApplication::focusWidget(), field(Field::Text1));
        QVERIFY(window->statusText().isEmpty());
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("Kelvastro   ")));
    }

    void typedWorkedExamplesComeOutDigitForDigit_data()
    {
        QTest::addColumn<QString>("buying");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("selling");
        QTest::addColumn<QStringList>("results"); // Text3, Text4, Text6, Text7, Text9

        QTest::newRow("profit") << "10" << "5" << "12"
                                << QStringList{"50.15", "8.35833333333333", "59.82", "9.67", "20"};
        QTest::newRow("loss") << "10" << "5" << "9"
                              << QStringList{"50.15", "8.35833333333333", "44.865", "-5.285", "-10"};
        QTest::newRow("grouped_thousands") << "1,000" << "2" << "1,100.5"
                                           << QStringList{"2006", "334.333333333333", "2194.397", "188.397", "10.05"};
    }
    void typedWorkedExamplesComeOutDigitForDigit()
    {
        QFETCH(QString, buying);
        QFETCH(QString, quantity);
        QFETCH(QString, selling);
        QFETCH(QStringList, results);
        open();
        type(Field::Text1, buying);
        type(Field::Text2, quantity);
        type(Field::Text5, selling);
        const QStringList shown{text(Field::Text3), text(Field::Text4), text(Field::Text6), text(Field::Text7),
                                text(Field::Text9)};
        QCOMPARE(shown, results);
        QVERIFY(window->statusText().isEmpty());
    }

    // Quantity typed while Buying price holds 10 and Selling price is empty.
    void roadOfOneEvent()
    {
        open();
        type(Field::Text1, QStringLiteral("10"));
        QVERIFY(text(Field::Text3).isEmpty());
        type(Field::Text2, QStringLiteral("5"));
        QCOMPARE(text(Field::Text3), QStringLiteral("50.15"));
        QCOMPARE(text(Field::Text4), QStringLiteral("8.35833333333333"));
        QVERIFY(text(Field::Text6).isEmpty());
        QVERIFY(text(Field::Text7).isEmpty());
    }

    void deletingQuantityKeepsResults()
    {
        open();
        type(Field::Text1, QStringLiteral("10"));
        type(Field::Text2, QStringLiteral("5"));
        type(Field::Text5, QStringLiteral("12"));
        field(Field::Text2)->setFocus();
        QTest::keyClick(field(Field::Text2), Qt::Key_Backspace);
        QVERIFY(text(Field::Text2).isEmpty());
        QCOMPARE(text(Field::Text3), QStringLiteral("50.15"));
        QCOMPARE(text(Field::Text7), QStringLiteral("9.67"));
    }

    void sellingBeforeQuantityWaitsForQuantity()
    {
        open();
        type(Field::Text1, QStringLiteral("10"));
        type(Field::Text5, QStringLiteral("12"));
        QVERIFY(text(Field::Text6).isEmpty());
        type(Field::Text2, QStringLiteral("5"));
        QCOMPARE(text(Field::Text3), QStringLiteral("50.15"));
        QCOMPARE(text(Field::Text9), QStringLiteral("20"));
    }

    // Wrapped, not cut at the window's edge, and named by the message itself.
    void longFailureShowsWholeInTheStatusLine()
    {
        open();
        type(Field::Text2, QStringLiteral("5"));
        type(Field::Text5, QStringLiteral("12"));
        auto *status = window->findChild<QLabel *>(QStringLiteral("status"));
        QVERIFY(status->text().size() > 60);
        QApplication::processEvents();
        QVERIFY(status->height() >= status->heightForWidth(status->width()));
        QVERIFY(QRect(QPoint(0, 0), window->size()).contains(QRect(status->mapTo(window.get(), QPoint(0, 0)),
                                                                   status->size())));
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(status);
        QCOMPARE(reader->text(QAccessible::Name), status->text());
    }

    // A message of up to two lines takes no room from the fields, so nothing jumps or scrolls.
    void messageAppearsWithoutMovingTheFields()
    {
        open();
        QApplication::processEvents();
        const int before = window->statusBar()->height();
        auto *scroll = window->findChild<QScrollArea *>();
        const bool scrolled = scroll->verticalScrollBar()->isVisible(); // on a screen too small for the window
        type(Field::Text2, QStringLiteral("5"));
        type(Field::Text5, QStringLiteral("12"));
        QVERIFY(!window->statusText().isEmpty());
        QApplication::processEvents();
        QCOMPARE(window->statusBar()->height(), before);
        QCOMPARE(scroll->verticalScrollBar()->isVisible(), scrolled);
    }

    // A written result shows from its sign; the field being typed in keeps its caret.
    void resultsShowFromTheirFirstCharacter()
    {
        open();
        type(Field::Text1, QStringLiteral("3"));
        type(Field::Text2, QStringLiteral("7"));
        type(Field::Text5, QStringLiteral("2"));
        QCOMPARE(text(Field::Text9), QStringLiteral("-33.3333333333333"));
        for (Field f : {Field::Text3, Field::Text4, Field::Text6, Field::Text7, Field::Text9})
            QCOMPARE(field(f)->cursorPosition(), 0);
        QCOMPARE(field(Field::Text5)->cursorPosition(), 1);
    }

    void copiesTheWholeTradeForASpreadsheet()
    {
        open();
        type(Field::Text1, QStringLiteral("10"));
        type(Field::Text2, QStringLiteral("5"));
        type(Field::Text5, QStringLiteral("12"));
        QTest::keyClick(field(Field::Text5), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Buying Price\t10\n"
                                "Quantity\t5\n"
                                "Brokerage %\t0.3\n"
                                "Total buying Price including Brokerage\t50.15\n"
                                "Req.Bank Balace\t8.35833333333333\n"
                                "Selling Price\t12\n"
                                "Total Selling Amount Including Brokerage\t59.82\n"
                                "Profit / Loss\t9.67\n"
                                "Change in Price %\t20\n"));
        QCOMPARE(text(Field::Text5), QStringLiteral("12"));
    }

    // On a short screen the fields scroll, and Tab brings each into view.
    void everyFieldIsReachableInAShortWindow()
    {
        open();
        window->resize(form::px(6720), 260);
        QApplication::processEvents();
        QVERIFY(window->height() <= 260);
        auto *scroll = window->findChild<QScrollArea *>();
        QWidget *viewport = scroll->viewport();
        QStringList visited;
        for (int i = 0; i < 9; ++i) {
            QWidget *focus = QApplication::focusWidget();
            visited << focus->objectName();
            const QRect inViewport(focus->mapTo(viewport, QPoint(0, 0)), focus->size());
            QVERIFY2(viewport->rect().contains(inViewport), qPrintable(focus->objectName()));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited, QStringList({"Text1", "Text2", "Text5", "Text6", "Text9", "Text1", "Text2", "Text5",
                                       "Text6"}));
    }

    void failureShowsInStatusLineAndClears()
    {
        open();
        type(Field::Text2, QStringLiteral("5"));
        type(Field::Text5, QStringLiteral("12"));
        QCOMPARE(text(Field::Text6), QStringLiteral("59.82"));
        QCOMPARE(window->statusText(),
                 QStringLiteral("Cannot work out Profit / Loss: Total buying Price including Brokerage is empty."));
        QVERIFY(window->isVisible());
        QVERIFY(services->messages.empty());
        type(Field::Text1, QStringLiteral("10"));
        QVERIFY(window->statusText().isEmpty());
        QCOMPARE(text(Field::Text7), QStringLiteral("9.67"));
    }

    void zeroBuyingPriceReportsDivisionByZero()
    {
        open();
        type(Field::Text2, QStringLiteral("5"));
        type(Field::Text5, QStringLiteral("12"));
        type(Field::Text1, QStringLiteral("0"));
        QCOMPARE(text(Field::Text7), QStringLiteral("59.82"));
        QVERIFY(text(Field::Text9).isEmpty());
        QVERIFY(window->statusText().contains(QStringLiteral("division by zero")));
    }

    void commaLocaleStartsWithItsOwnRate()
    {
        open(kGerman);
        QCOMPARE(text(Field::Text8), QStringLiteral("0,3"));
        type(Field::Text1, QStringLiteral("1.000"));
        type(Field::Text2, QStringLiteral("5"));
        type(Field::Text5, QStringLiteral("1.200,5"));
        QCOMPARE(text(Field::Text3), QStringLiteral("5015"));
        QCOMPARE(text(Field::Text4), QStringLiteral("835,833333333333"));
        QCOMPARE(text(Field::Text7), QStringLiteral("969,4925"));
    }

    void menuBarHoldsAboutDropDownAndExit()
    {
        open();
        const QList<QAction *> bar = window->menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar.at(0)->text(), QStringLiteral("About"));
        QVERIFY(bar.at(0)->menu());
        QCOMPARE(bar.at(0)->menu()->objectName(), QStringLiteral("about"));
        QCOMPARE(bar.at(1)->text(), QStringLiteral("Exit"));
        QCOMPARE(bar.at(1)->objectName(), QStringLiteral("Exit"));
        QVERIFY(!bar.at(1)->menu());
        const QList<QAction *> items = bar.at(0)->menu()->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0)->objectName(), QStringLiteral("aboutkelvastro"));
        QCOMPARE(items.at(0)->text(), QStringLiteral("About Kelvastro "));
        QCOMPARE(items.at(1)->objectName(), QStringLiteral("help"));
        QCOMPARE(items.at(1)->text(), QStringLiteral("Help"));
    }

    void f10OpensTheMenuFromTheKeyboard()
    {
        open();
        QTest::keyClick(field(Field::Text1), Qt::Key_F10);
        auto *about = window->findChild<QMenu *>(QStringLiteral("about"));
        QTRY_VERIFY(about->isVisible());
        // Escape closes the drop-down, a second one leaves the bar; neither touches the rate.
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(!about->isVisible());
        QTRY_VERIFY(window->menuBar()->hasFocus());
        QTest::keyClick(window->menuBar(), Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), field(Field::Text1));
        QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("Change Brokerage %"));
        QVERIFY(field(Field::Text8)->isReadOnly());
    }

    void menuBarReachesExitFromTheKeyboard()
    {
        open();
        QTest::keyClick(field(Field::Text1), Qt::Key_F10);
        auto *about = window->findChild<QMenu *>(QStringLiteral("about"));
        QTRY_VERIFY(about->isVisible());
        QTest::keyClick(about, Qt::Key_Right);
        QTRY_COMPARE(window->menuBar()->activeAction()->objectName(), QStringLiteral("Exit"));
        QVERIFY(window->menuBar()->hasFocus());
        QTest::keyClick(window->menuBar(), Qt::Key_Return);
        QCOMPARE(services->endRequests, 1);
    }

    // A ring of 3:1 around the control at least, in every field and on the button.
    void focusShowsAtThreeToOne_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"Text1", "Text2", "Text4", "Text5", "Text6", "Text8", "Command2", "Text9"})
            QTest::newRow(name) << name;
    }
    void focusShowsAtThreeToOne()
    {
        QFETCH(QString, name);
        open();
        auto *control = window->findChild<QWidget *>(name);
        const int perimeter = 2 * (control->width() + control->height());
        const int changed = focusPixels(control);
        QVERIFY2(changed >= perimeter, qPrintable(QStringLiteral("%1 of %2").arg(changed).arg(perimeter)));
    }

    void exitEndsTheProgram()
    {
        open();
        window->findChild<QAction *>(QStringLiteral("Exit"))->trigger();
        QCOMPARE(services->endRequests, 1);
    }

    void controlsAreWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry"); // twips / 15
        QTest::newRow("Text1") << "Text1" << QRect(280, 16, 129, 33);
        QTest::newRow("Text8") << "Text8" << QRect(232, 136, 41, 33);
        QTest::newRow("Text9") << "Text9" << QRect(280, 448, 89, 33);
        QTest::newRow("Label3") << "Label3" << QRect(24, 120, 129, 65);
        QTest::newRow("Label7") << "Label7" << QRect(24, 400, 105, 25);
        QTest::newRow("Label9") << "Label9" << QRect(376, 448, 33, 33);
        QTest::newRow("Command2") << "Command2" << QRect(152, 128, 81, 49);
    }
    void controlsAreWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        open();
        auto *w = window->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(), geometry);
    }

    void labelsNameTheirFieldsForScreenReaders()
    {
        open();
        // Each field is named by the label a sighted user reads beside it.
        for (auto *label : window->findChildren<QLabel *>()) {
            if (auto *buddy = qobject_cast<QLineEdit *>(label->buddy()))
                QVERIFY2(buddy->accessibleName().contains(label->text()), qPrintable(label->text()));
        }
        QCOMPARE(field(Field::Text8)->accessibleName(), QStringLiteral("Brokerage %"));
        // The "%" after Change in Price is part of what it is.
        QCOMPARE(field(Field::Text9)->accessibleName(), QStringLiteral("Change in Price %"));
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("Req.Bank Balace"));
    }

    void rateFieldIsLockedCentredRedOnGrey()
    {
        open();
        QLineEdit *rate = field(Field::Text8);
        QVERIFY(rate->isReadOnly());
        QCOMPARE(rate->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(rate->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(rate->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
        QVERIFY(!field(Field::Text9)->isReadOnly());
        auto *button = window->findChild<QPushButton *>(QStringLiteral("Command2"));
        QCOMPARE(button->text(), QStringLiteral("Change Brokerage %"));
    }

    void veryLongPasteNeitherHangsNorCrashes()
    {
        open();
        type(Field::Text2, QStringLiteral("5"));
        QGuiApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('9')));
        field(Field::Text1)->setFocus();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(field(Field::Text1), Qt::Key_V, Qt::ControlModifier);
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!text(Field::Text1).isEmpty());
        QCOMPARE(window->statusText(),
                 QStringLiteral("Cannot work out Total buying Price including Brokerage: Buying Price is too large."));
        field(Field::Text1)->selectAll();
        QTest::keyClicks(field(Field::Text1), QStringLiteral("10"));
        QCOMPARE(text(Field::Text3), QStringLiteral("50.15"));
        QVERIFY(window->statusText().isEmpty());
    }

    void captionsShowWhole()
    {
        open();
        const QStringList clipped = clippedLabels(window.get());
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }
};

KELVASTRO_UI_TEST_MAIN(KelvastroTest)
#include "kelvastro_test.moc"
