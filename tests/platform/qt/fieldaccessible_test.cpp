// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/devicepixels.h"
#include "platform/qt/fieldaccessible.h"
#include "tests/platform/qt/qttestmain.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <memory>

using kelvastro::FieldAccessible;

Q_DECLARE_METATYPE(QAccessible::TextBoundaryType)

// What a screen reader gets when it asks a field about its text.
class FieldAccessibleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QLineEdit> edit;

    QAccessibleTextInterface *textOf(const QString &text)
    {
        edit = std::make_unique<QLineEdit>(text);
        edit->resize(120, 30);
        edit->show();
        if (!QTest::qWaitForWindowExposed(edit.get()))
            return nullptr;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(edit.get());
        return iface ? iface->textInterface() : nullptr;
    }

private slots:
    void cleanup() { edit.reset(); }

    void fieldsGetTheProgramsInterface()
    {
        edit = std::make_unique<QLineEdit>();
        QVERIFY(dynamic_cast<FieldAccessible *>(QAccessible::queryAccessibleInterface(edit.get())));
    }

    void itemAtOffset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QAccessible::TextBoundaryType>("boundary");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        using B = QAccessible::TextBoundaryType;
        QTest::newRow("char_first") << "50.15" << B::CharBoundary << 0 << "5" << 0 << 1;
        QTest::newRow("char_last") << "50.15" << B::CharBoundary << 4 << "5" << 4 << 5;
        QTest::newRow("char_at_end_is_none") << "50.15" << B::CharBoundary << 5 << "" << 5 << 5;
        // The word that ends at the end: what Qt's own interface loops on for ever.
        QTest::newRow("word_at_end") << "50.15" << B::WordBoundary << 5 << "50.15" << 0 << 5;
        QTest::newRow("word_inside_number") << "50.15" << B::WordBoundary << 3 << "50.15" << 0 << 5;
        QTest::newRow("word_with_its_blanks") << "12 abc" << B::WordBoundary << 1 << "12 " << 0 << 3;
        QTest::newRow("second_word_at_end") << "12 abc" << B::WordBoundary << 6 << "abc" << 3 << 6;
        QTest::newRow("sentence_at_end") << "20" << B::SentenceBoundary << 2 << "20" << 0 << 2;
        QTest::newRow("line_at_end") << "20" << B::LineBoundary << 2 << "20" << 0 << 2;
        QTest::newRow("line_at_start") << "-33.3333333333333" << B::LineBoundary << 0 << "-33.3333333333333" << 0
                                       << 17;
        QTest::newRow("paragraph") << "5" << B::ParagraphBoundary << 1 << "5" << 0 << 1;
        QTest::newRow("whole_text") << "5" << B::NoBoundary << 0 << "5" << 0 << 1;
        QTest::newRow("empty_field") << "" << B::WordBoundary << 0 << "" << 0 << 0;
        QTest::newRow("offset_past_end") << "20" << B::WordBoundary << 9 << "20" << 0 << 2;
        QTest::newRow("caret_offset") << "20" << B::LineBoundary << -2 << "20" << 0 << 2;
    }
    void itemAtOffset()
    {
        QFETCH(QString, text);
        QFETCH(QAccessible::TextBoundaryType, boundary);
        QFETCH(int, offset);
        QFETCH(QString, item);
        QFETCH(int, start);
        QFETCH(int, end);
        QAccessibleTextInterface *t = textOf(text);
        QVERIFY(t);
        int s = -1;
        int e = -1;
        QCOMPARE(t->textAtOffset(offset, boundary, &s, &e), item);
        QCOMPARE(s, start);
        QCOMPARE(e, end);
    }

    void itemsBeforeAndAfter()
    {
        QAccessibleTextInterface *t = textOf(QStringLiteral("12 abc"));
        int s = -1;
        int e = -1;
        QCOMPARE(t->textAfterOffset(0, QAccessible::WordBoundary, &s, &e), QStringLiteral("abc"));
        QCOMPARE(std::make_pair(s, e), std::make_pair(3, 6));
        QCOMPARE(t->textBeforeOffset(4, QAccessible::WordBoundary, &s, &e), QStringLiteral("12 "));
        QCOMPARE(t->textBeforeOffset(1, QAccessible::WordBoundary, &s, &e), QString());
        QCOMPARE(t->textBeforeOffset(6, QAccessible::CharBoundary, &s, &e), QStringLiteral("c"));
        QCOMPARE(t->textAfterOffset(5, QAccessible::CharBoundary, &s, &e), QString());
        QCOMPARE(t->textAfterOffset(0, QAccessible::LineBoundary, &s, &e), QString());
    }

    // One run over the whole text from every offset, the end included:
    // Orca speaks what the runs cover.
    void oneAttributeRunCoversTheText()
    {
        const QString value = QStringLiteral("59.82");
        QAccessibleTextInterface *t = textOf(value);
        for (int offset = 0; offset <= value.size(); ++offset) {
            int s = -1;
            int e = -1;
            t->attributes(offset, &s, &e);
            QCOMPARE(std::make_pair(s, e), std::make_pair(0, int(value.size())));
        }
    }

    void everyQueryAnswersAtOnce()
    {
        const QString value = QStringLiteral("1234567.5 is a long text, with words. And sentences!");
        QAccessibleTextInterface *t = textOf(value);
        QElapsedTimer timer;
        timer.start();
        int s = 0;
        int e = 0;
        for (int offset = -2; offset <= value.size() + 1; ++offset)
            for (auto b : {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
                           QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary}) {
                t->textAtOffset(offset, b, &s, &e);
                t->textBeforeOffset(offset, b, &s, &e);
                t->textAfterOffset(offset, b, &s, &e);
                QVERIFY(s >= 0 && s <= e && e <= value.size());
            }
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    }

    void lockedFieldRefusesEdits()
    {
        QAccessibleTextInterface *t = textOf(QStringLiteral("0.3"));
        edit->setReadOnly(true);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(edit.get());
        QVERIFY(iface->state().readOnly);
        QVERIFY(!iface->state().editable);
        iface->editableTextInterface()->insertText(0, QStringLiteral("9"));
        iface->editableTextInterface()->deleteText(0, 1);
        iface->setText(QAccessible::Value, QStringLiteral("5"));
        QCOMPARE(edit->text(), QStringLiteral("0.3"));
        QCOMPARE(t->characterCount(), 3);
    }

    void openFieldTakesEdits()
    {
        textOf(QStringLiteral("10"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(edit.get());
        QVERIFY(iface->state().editable);
        iface->editableTextInterface()->insertText(2, QStringLiteral(".5"));
        QCOMPARE(edit->text(), QStringLiteral("10.5"));
        iface->editableTextInterface()->replaceText(0, 2, QStringLiteral("20"));
        QCOMPARE(edit->text(), QStringLiteral("20.5"));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("20.5"));
    }

    void caretAndSelection()
    {
        QAccessibleTextInterface *t = textOf(QStringLiteral("123.45"));
        t->setSelection(0, 1, 4);
        QCOMPARE(edit->selectedText(), QStringLiteral("23."));
        QCOMPARE(t->selectionCount(), 1);
        int s = -1;
        int e = -1;
        t->selection(0, &s, &e);
        QCOMPARE(std::make_pair(s, e), std::make_pair(1, 4));
        t->removeSelection(0);
        QCOMPARE(t->selectionCount(), 0);
        t->setCursorPosition(2);
        QCOMPARE(t->cursorPosition(), 2);
        QCOMPARE(t->text(1, -1), QStringLiteral("23.45"));
    }

    // Characters are where they are drawn: in view from the start when the
    // caret is at the start, the first one out of view when it is at the end.
    // Everything is in the screen's device pixels, whatever the scale.
    void characterRectanglesFollowScrolling()
    {
        const QString value = QStringLiteral("-33.3333333333333333333333333333");
        QAccessibleTextInterface *t = textOf(value);
        const QRect field = kelvastro::form::toDevicePixels(QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()), edit.get());
        QCOMPARE(QAccessible::queryAccessibleInterface(edit.get())->rect(), field);
        // QLineEdit scrolls when it paints, as the screen shows it.
        edit->setCursorPosition(0);
        edit->repaint();
        const QRect first = t->characterRect(0);
        QVERIFY(field.contains(first));
        QVERIFY(first.width() > 0);
        QCOMPARE(t->offsetAtPoint(first.center()), 0);
        QVERIFY(t->characterRect(1).left() >= first.right());
        edit->setCursorPosition(int(value.size()));
        edit->repaint();
        QVERIFY(t->characterRect(0).right() < field.left());
        QVERIFY(t->characterRect(int(value.size())).isNull());
    }
};

KELVASTRO_UI_TEST_MAIN(FieldAccessibleTest)
#include "fieldaccessible_test.moc"
