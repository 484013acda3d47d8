// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/numbertext.h"
#include "platform/qt/localenumbers.h"
#include "tests/platform/qt/qttestmain.h"

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
        QTest::newRow("swiss_typed_apostrophe") << "de_CH" << "." << 3 << 3 << "1'234'567.5" << 1234567.5;
        QTest::newRow("arabic_native_digits") << "ar_EG" << QString::fromUtf16(u"\u066B") << 3 << 3
                                              << QString::fromUtf16(u"\u0661\u066C\u0662\u0663\u0664\u066C\u0665\u0666\u0667\u066B\u0665")
                                              << 1234567.5;
        QTest::newRow("arabic_ascii_digits") << "ar_EG" << QString::fromUtf16(u"\u066B") << 3 << 3
                                             << QString::fromUtf16(u"1234567\u066B5") << 1234567.5;
        QTest::newRow("persian_native_digits") << "fa_IR" << QString::fromUtf16(u"\u066B") << 3 << 3
                                               << QString::fromUtf16(u"\u06F1\u06F2\u06F3\u06F4\u06F5\u06F6\u06F7\u066B\u06F5")
                                               << 1234567.5;
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

    // Results are written as the locale writes numbers, less the grouping.
    void displaysAsTheLocaleWrites_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        for (const char *name : {"en_US", "de_DE", "de_CH", "ar_EG", "fa_IR", "bn_BD"}) {
            QTest::addRow("%s_negative", name) << name << -5.285;
            QTest::addRow("%s_profit", name) << name << 59.82;
        }
    }
    void displaysAsTheLocaleWrites()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QLocale qt(locale);
        qt.setNumberOptions(QLocale::OmitGroupSeparator);
        const NumberText text(numberLocaleOf(QLocale(locale)));
        const std::string shown = text.display(value);
        QCOMPARE(QString::fromStdString(shown), qt.toString(value, 'g', 15));
        QCOMPARE(text.read(shown).value, value);
    }

};

KELVASTRO_UI_TEST_MAIN(LocaleNumbersTest)
#include "localenumbers_test.moc"
