// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window as Qt renders it and as Qt's events reach it: the
// layout, the look, real keystrokes, clicks and focus changes.
#include "platform/forms/pixels.h"
#include "platform/qt/formdesign.h"
#include "platform/qt/formmainwindow.h"
#include "platform/testing/fakesystemservices.h"
#include "tests/platform/qt/focuscontrast.h"
#include "tests/platform/qt/labelfit.h"
#include "tests/platform/qt/qttestmain.h"
#include "tests/platform/qt/recordingformsservices.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontInfo>
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

class CalculatorWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingFormsServices> services;
    FakeSystemServices system;
    std::unique_ptr<Kelvastro> form;
    FormMainWindow *window = nullptr;

    void open(const NumberLocale &locale = kUs)
    {
        services = std::make_unique<RecordingFormsServices>();
        form = std::make_unique<Kelvastro>(*services, system, locale);
        services->show(*form);
        window = qobject_cast<FormMainWindow *>(services->window(*form));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    static QString nameOf(Field f)
    {
        const std::string_view name = calculator::definition().control(calculator::control(f)).name;
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    QLineEdit *field(Field f) const { return window->findChild<QLineEdit *>(nameOf(f)); }
    QPushButton *rateButton() const { return window->findChild<QPushButton *>(QStringLiteral("Command2")); }
    void fill(Field f, const QString &text)
    {
        field(f)->setFocus();
        field(f)->selectAll();
        QTest::keyClicks(field(f), text);
    }
    void settle() { QTest::qWait(20); } // queued zero checks run
    QString text(Field f) const { return field(f)->text(); }
    void type(Field f, const QString &keys)
    {
        field(f)->setFocus();
        QTest::keyClicks(field(f), keys);
    }

private slots:
    void cleanup()
    {
        form.reset();
        services.reset();
    }




    // Wrapped, not cut at the window's edge, and named by the message itself.
    void longFailureShowsWholeInTheStatusLine()
    {
        open();
        type(Field::Quantity, QStringLiteral("5"));
        type(Field::SellingPrice, QStringLiteral("12"));
        auto *status = window->findChild<QLabel *>(QStringLiteral("status"));
        QVERIFY(status->text().size() > 60);
        QApplication::processEvents();
        QVERIFY(status->height() >= status->heightForWidth(status->width()));
        QVERIFY(QRect(QPoint(0, 0), window->size()).contains(QRect(status->mapTo(window, QPoint(0, 0)),
                                                                   status->size())));
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(status);
        QCOMPARE(reader->text(QAccessible::Name), status->text());
    }

    // Rendered but not yet loaded, no field shows its design text for the load step to work on.
    void fieldsAreEmptyBeforeTheLoadStep()
    {
        services = std::make_unique<RecordingFormsServices>();
        form = std::make_unique<Kelvastro>(*services, system, kUs);
        for (auto *edit : services->window(*form)->findChildren<QLineEdit *>())
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
    }

    // The status line opens two lines high: nothing the load step does leaves a message or its room behind.
    void statusLineOpensTwoLinesHigh()
    {
        open();
        auto *status = window->findChild<QLabel *>(QStringLiteral("status"));
        QLabel twoLines(QStringLiteral("0\n0"));
        twoLines.setFont(status->font());
        QCOMPARE(status->height(), twoLines.sizeHint().height());
        QVERIFY(status->text().isEmpty());
    }

    // A message of up to two lines takes no room from the fields, so nothing jumps or scrolls.
    void messageAppearsWithoutMovingTheFields_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("secondText");
        QTest::newRow("one line: the total is empty") << int(Field::Quantity) << QStringLiteral("5")
                                                      << int(Field::SellingPrice) << QStringLiteral("12");
        // Long enough that the label's own size hint would wrap it into three lines.
        QTest::newRow("two lines: two scripts") << int(Field::BuyingPrice) << QStringLiteral("\u0967" "0")
                                                << int(Field::Quantity) << QStringLiteral("5");
    }

    void messageAppearsWithoutMovingTheFields()
    {
        QFETCH(int, first);
        QFETCH(QString, firstText);
        QFETCH(int, second);
        QFETCH(QString, secondText);
        open();
        QApplication::processEvents();
        const int before = window->statusBar()->height();
        auto *scroll = window->findChild<QScrollArea *>();
        const bool scrolled = scroll->verticalScrollBar()->isVisible(); // on a screen too small for the window
        // Typed as an input method commits it: QTest's key clicks know only ASCII.
        for (const auto &[f, typed] : {std::pair{Field(first), firstText}, {Field(second), secondText}}) {
            field(f)->setFocus();
            field(f)->insert(typed);
        }
        QVERIFY(!window->status().isEmpty());
        QTest::qWait(50); // a wrapped label asks its layout again once it has been laid out
        QCOMPARE(window->statusBar()->height(), before);
        QCOMPARE(scroll->verticalScrollBar()->isVisible(), scrolled);
    }

    // A written result shows from its sign; the field being typed in keeps its caret.
    void resultsShowFromTheirFirstCharacter()
    {
        open();
        type(Field::BuyingPrice, QStringLiteral("3"));
        type(Field::Quantity, QStringLiteral("7"));
        type(Field::SellingPrice, QStringLiteral("2"));
        QCOMPARE(text(Field::PriceChange), QStringLiteral("-33.3333333333333"));
        for (Field f :
            {Field::TotalCost, Field::BankBalance, Field::SellingTotal, Field::ProfitLoss, Field::PriceChange})
            QCOMPARE(field(f)->cursorPosition(), 0);
        QCOMPARE(field(Field::SellingPrice)->cursorPosition(), 1);
    }

    // On a short screen the fields scroll, and Tab brings each into view.
    void everyFieldIsReachableInAShortWindow()
    {
        open();
        window->resize(pixels(6720, kDesignDpi), 260);
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
        QTest::keyClick(field(Field::BuyingPrice), Qt::Key_F10);
        auto *about = window->findChild<QMenu *>(QStringLiteral("about"));
        QTRY_VERIFY(about->isVisible());
        // Escape closes the drop-down, a second one leaves the bar; neither touches the rate.
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(!about->isVisible());
        QTRY_VERIFY(window->menuBar()->hasFocus());
        QTest::keyClick(window->menuBar(), Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), field(Field::BuyingPrice));
        QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("Change Brokerage %"));
        QVERIFY(field(Field::BrokerageRate)->isReadOnly());
    }

    void menuBarReachesExitFromTheKeyboard()
    {
        open();
        QTest::keyClick(field(Field::BuyingPrice), Qt::Key_F10);
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
        QCOMPARE(field(Field::BrokerageRate)->accessibleName(), QStringLiteral("Brokerage %"));
        // The "%" after Change in Price is part of what it is.
        QCOMPARE(field(Field::PriceChange)->accessibleName(), QStringLiteral("Change in Price %"));
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("Req.Bank Balace"));
    }

    void rateFieldIsLockedCentredRedOnGrey()
    {
        open();
        QLineEdit *rate = field(Field::BrokerageRate);
        QVERIFY(rate->isReadOnly());
        QCOMPARE(rate->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(rate->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(rate->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
        QVERIFY(!field(Field::PriceChange)->isReadOnly());
        auto *button = window->findChild<QPushButton *>(QStringLiteral("Command2"));
        QCOMPARE(button->text(), QStringLiteral("Change Brokerage %"));
    }

    void veryLongPasteNeitherHangsNorCrashes()
    {
        open();
        type(Field::Quantity, QStringLiteral("5"));
        QGuiApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('9')));
        field(Field::BuyingPrice)->setFocus();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(field(Field::BuyingPrice), Qt::Key_V, Qt::ControlModifier);
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!text(Field::BuyingPrice).isEmpty());
        QCOMPARE(window->status(),
                 QStringLiteral("Cannot work out Total buying Price including Brokerage: Buying Price is too large."));
        field(Field::BuyingPrice)->selectAll();
        QTest::keyClicks(field(Field::BuyingPrice), QStringLiteral("10"));
        QCOMPARE(text(Field::TotalCost), QStringLiteral("50.15"));
        QVERIFY(window->status().isEmpty());
    }

    void captionsShowWhole()
    {
        open();
        const QStringList clipped = clippedLabels(window);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    // Each control asks for a family the system has, its design family or a
    // stand-in found once: no control sends Qt through a chain of substitutes.
    void everyFontNamesAnInstalledFamily()
    {
        open();
        for (const ControlDef &def : calculator::definition().controls) {
            const auto *w = window->findChild<QWidget *>(QString::fromUtf8(def.name.data(), qsizetype(def.name.size())));
            if (!w || !def.font)
                continue;
            QCOMPARE(QFontInfo(w->font()).family(), w->font().family());
            QCOMPARE(w->font().styleStrategy() & QFont::PreferNoShaping, QFont::PreferNoShaping);
        }
    }

    void lockedRateCanBeCopiedButNotChanged()
    {
        open();
        QLineEdit *rate = field(Field::BrokerageRate);
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

    void noMessageWhenWindowMerelyLosesActivation()
    {
        open();
        fill(Field::SellingPrice, QStringLiteral("0"));
        QWidget other;
        other.setFocusPolicy(Qt::StrongFocus);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        settle();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        settle();
        QVERIFY(services->messages.empty());
        QCOMPARE(QApplication::focusWidget(), field(Field::SellingPrice));
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
        fill(Field::BuyingPrice, QStringLiteral("0"));
        QTest::keyClick(field(Field::BuyingPrice), Qt::Key_Tab);
        settle();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        settle();
        QCOMPARE(services->messages.size(), size_t(1));
        QCOMPARE(QApplication::focusWidget(), field(Field::BuyingPrice));
    }

    // The press that took the focus from a zero field is over once its message
    // is up: the box takes the release, so the button must not stay drawn down.
    void rateButtonIsNotLeftPressedByAZeroCheck()
    {
        open();
        fill(Field::BuyingPrice, QStringLiteral("0"));
        QTest::mousePress(rateButton(), Qt::LeftButton);
        settle();
        QCOMPARE(services->messages.size(), size_t(1));
        QVERIFY(!rateButton()->isDown());
        QCOMPARE(QApplication::focusWidget(), field(Field::BuyingPrice));
        QTest::mouseRelease(rateButton(), Qt::LeftButton);
        QCOMPARE(rateButton()->text(), QStringLiteral("Change Brokerage %"));
    }

};

KELVASTRO_UI_TEST_MAIN(CalculatorWindowTest)
#include "calculatorwindow_test.moc"
