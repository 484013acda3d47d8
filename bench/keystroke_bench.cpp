// SPDX-License-Identifier: GPL-3.0-or-later
// One typed character into Buying price with every field filled, through the
// whole path (Qt's key event, the front end, the form layer, the
// recalculation, five result texts written), against its floor, a bare
// window of nine QLineEdits whose handler writes the results that change, and
// against a bare QLineEdit. Offscreen and never shown, so nothing is painted.
#include "platform/qt/qtformsservices.h"
#include "platform/qt/qtformview.h"
#include "platform/testing/fakesystemservices.h"
#include "ui/calculator/kelvastro.h"

#include "app/appinfo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <array>

#include <benchmark/benchmark.h>

using namespace kelvastro;

namespace {

void keystroke(QWidget *target, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

// Alternately types a digit and takes it back, so every keystroke changes the text.
void typeInto(benchmark::State &state, QLineEdit *edit)
{
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            keystroke(edit, Qt::Key_Backspace, QString());
        else
            keystroke(edit, Qt::Key_5, QStringLiteral("5"));
        typed = !typed;
    }
}

// The calculator with a trade filled in, the caret at the end of its buying price.
struct Calculator {
    Calculator()
    {
        forms.prepareModal(form); // loaded, as a showing would, without a window on screen
        field("Text1")->setText(QStringLiteral("10.25"));
        field("Text2")->setText(QStringLiteral("500"));
        field("Text5")->setText(QStringLiteral("12.75"));
        field("Text1")->end(false);
    }
    QLineEdit *field(const char *name) { return forms.window(form)->findChild<QLineEdit *>(QLatin1String(name)); }
    // What the five results read for the buying price now typed.
    std::array<QString, 5> results()
    {
        return {field("Text3")->text(), field("Text4")->text(), field("Text6")->text(), field("Text7")->text(),
                field("Text9")->text()};
    }

    QtFormsServices forms{kApplication};
    FakeSystemServices system;
    Kelvastro form{forms, system, NumberLocale{}};
};

void BM_KeystrokeIntoBuyingPrice(benchmark::State &state)
{
    Calculator calculator;
    typeInto(state, calculator.field("Text1"));
    if (calculator.field("Text7")->text().isEmpty())
        state.SkipWithError("the results were not worked out");
}
BENCHMARK(BM_KeystrokeIntoBuyingPrice);

// The least any program showing this trade must do per keystroke: the
// results the calculator shows for each buying price, those that change
// written into bare QLineEdits (nine in all) from the typed one's change signal.
void BM_KeystrokeIntoBuyingPriceFloor(benchmark::State &state)
{
    std::array<QString, 5> typed, backspaced;
    QFont font;
    {
        Calculator calculator;
        font = calculator.field("Text1")->font();
        backspaced = calculator.results();
        keystroke(calculator.field("Text1"), Qt::Key_5, QStringLiteral("5"));
        typed = calculator.results();
    }
    QWidget window;
    std::array<QLineEdit *, 9> edits{};
    for (QLineEdit *&edit : edits) {
        edit = new QLineEdit(&window);
        edit->setReadOnly(edit != edits[0]); // results are read-only, as the calculator's are
        edit->setFont(font);                  // and laid out in the same font, shaped or not alike
    }
    QLineEdit *price = edits[0];
    QObject::connect(price, &QLineEdit::textChanged, price, [&](const QString &now) {
        const auto &texts = now.size() > 5 ? typed : backspaced; // "10.255" or "10.25"
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (typed[i] == backspaced[i])
                continue; // a result the buying price leaves alone needs no writing
            edits[i + 2]->setText(texts[i]);
            edits[i + 2]->setCursorPosition(0);
        }
    });
    price->setText(QStringLiteral("10.25"));
    price->end(false);
    typeInto(state, price);
}
BENCHMARK(BM_KeystrokeIntoBuyingPriceFloor);

void BM_KeystrokeIntoBareLineEdit(benchmark::State &state)
{
    QLineEdit edit;
    edit.setText(QStringLiteral("10.25"));
    edit.end(false);
    typeInto(state, &edit);
}
BENCHMARK(BM_KeystrokeIntoBareLineEdit);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
