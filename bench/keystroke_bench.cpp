// SPDX-License-Identifier: GPL-3.0-or-later
// One typed character into Buying price with every field filled, through the
// whole path (Qt's key event, the front end, the form layer, the
// recalculation, five result texts written), against the same keystroke into
// a bare QLineEdit. Offscreen and never shown, so nothing is painted.
#include "platform/qt/qtformsservices.h"
#include "platform/qt/qtformview.h"
#include "platform/testing/fakesystemservices.h"
#include "ui/calculator/kelvastro.h"

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
    QtFormsServices forms;
    FakeSystemServices system;
    Kelvastro form(forms, system, NumberLocale{});
    forms.rendered(form).load();
    QWidget *window = forms.window(form);
    const auto field = [window](const char *name) { return window->findChild<QLineEdit *>(QLatin1String(name)); };
    field("Text1")->setText(QStringLiteral("10.25"));
    field("Text2")->setText(QStringLiteral("500"));
    field("Text5")->setText(QStringLiteral("12.75"));
    QLineEdit *price = field("Text1");
    price->end(false);
    typeInto(state, price);
    if (field("Text7")->text().isEmpty())
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
