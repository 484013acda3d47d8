// SPDX-License-Identifier: GPL-3.0-or-later
#include "localenumbers.h"
#include "numbertext.h"
#include "uitestmain.h"

#include <QLocale>
#include <QTest>

using kelvastro::NumberText;
using kelvastro::numberLocaleOf;

class LocaleNumbersTest : public QObject {
    Q_OBJECT
private slots:
    void readsSeparatorsAndGroupSizes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<int>("primary");
        QTest::addColumn<int>("secondary");
        QTest::addColumn<QString>("grouped");
        QTest::addColumn<double>("value");

        QTest::newRow("us_english") << "en_US" << "." << 3 << 3 << "1,234,567.5" << 1234567.5;
        QTest::newRow("german") << "de_DE" << "," << 3 << 3 << "1.234.567,5" << 1234567.5;
        QTest::newRow("indian_english") << "en_IN" << "." << 3 << 2 << "12,34,567.5" << 1234567.5;
        QTest::newRow("french") << "fr_FR" << "," << 3 << 3 << QString("1\u202F234\u202F567,5") << 1234567.5;
        QTest::newRow("french_typed_spaces") << "fr_FR" << "," << 3 << 3 << "1 234 567,5" << 1234567.5;
    }
    void readsSeparatorsAndGroupSizes()
    {
        QFETCH(QString, locale);
        QFETCH(QString, decimal);
        QFETCH(int, primary);
        QFETCH(int, secondary);
        QFETCH(QString, grouped);
        QFETCH(double, value);

        const auto numbers = numberLocaleOf(QLocale(locale));
        QCOMPARE(QString::fromStdString(numbers.decimal), decimal);
        QCOMPARE(numbers.primaryGroup, primary);
        QCOMPARE(numbers.secondaryGroup, secondary);
        // What Qt itself writes for this locale must read back.
        const NumberText text(numbers);
        QCOMPARE(text.read(QLocale(locale).toString(1234567.5, 'f', 1).toStdString()).value, value);
        QCOMPARE(text.read(grouped.toStdString()).value, value);
    }

};

KELVASTRO_UI_TEST_MAIN(LocaleNumbersTest)
#include "localenumbers_test.moc"
