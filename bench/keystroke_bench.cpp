// SPDX-License-Identifier: GPL-3.0-or-later
// One typed character into Buying price with every field filled, through the
// change handler, against the same keystroke into a bare QLineEdit. Offscreen
// and never shown, so nothing is painted.
#include "fakeformsservices.h"
#include "kelvastro.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

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

void BM_KeystrokeIntoBuyingPrice(benchmark::State &state)
{
    FakeFormsServices services;
    Kelvastro window(services, NumberLocale{});
    window.field(Field::Text1)->setText(QStringLiteral("10.25"));
    window.field(Field::Text2)->setText(QStringLiteral("500"));
    window.field(Field::Text5)->setText(QStringLiteral("12.75"));
    QLineEdit *price = window.field(Field::Text1);
    price->end(false);
    typeInto(state, price);
    if (window.field(Field::Text7)->text().isEmpty() || !window.statusText().isEmpty())
        state.SkipWithError("the results were not worked out");
}
BENCHMARK(BM_KeystrokeIntoBuyingPrice);

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
