// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the three windows, as Qt paints it under a dark desktop and a
// high-contrast one, measured from the grabbed pixels: the colour rule seen
// as a person sees it.
#include "platform/forms/colorscheme.h"
#include "platform/qt/desktoppalette.h"
#include "platform/qt/formdialog.h"
#include "platform/qt/formmainwindow.h"
#include "platform/testing/fakesystemservices.h"
#include "tests/platform/qt/focuscontrast.h"
#include "tests/platform/qt/qttestmain.h"
#include "tests/platform/qt/recordingformsservices.h"
#include "ui/about/frmabout.h"
#include "ui/about/frmaboutdefinition.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"
#include "ui/tips/frmsplash.h"
#include "ui/tips/frmsplashdefinition.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <map>
#include <memory>

using namespace kelvastro;

namespace {

QPalette paletteOf(QColor window, QColor text, QColor base, QColor highlight, QColor highlightText)
{
    QPalette p(window);
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        const auto g = static_cast<QPalette::ColorGroup>(group);
        p.setColor(g, QPalette::Window, window);
        p.setColor(g, QPalette::Button, window);
        p.setColor(g, QPalette::WindowText, text);
        p.setColor(g, QPalette::ButtonText, text);
        p.setColor(g, QPalette::Base, base);
        p.setColor(g, QPalette::Text, text);
        p.setColor(g, QPalette::Highlight, highlight);
        p.setColor(g, QPalette::HighlightedText, highlightText);
        p.setColor(g, QPalette::PlaceholderText, text.darker(130));
    }
    return p;
}

// Breeze Dark, and a black high-contrast scheme.
QPalette dark()
{
    return paletteOf(QColor(49, 54, 59), QColor(239, 240, 241), QColor(35, 38, 41), QColor(61, 174, 233),
                     QColor(239, 240, 241));
}
QPalette highContrast() { return paletteOf(Qt::black, Qt::white, Qt::black, QColor(26, 235, 255), Qt::black); }

// The background is the widget's commonest colour; the text, the pixel that
// stands out from it most.
double measuredContrast(QWidget *w)
{
    const QImage image = w->grab(w->rect().adjusted(3, 3, -3, -3)).toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) & 0xFFFFFF];
    QRgb back = 0;
    int most = -1;
    for (const auto &[colour, n] : counts)
        if (n > most)
            most = n, back = colour;
    double best = 1.0;
    for (const auto &[colour, n] : counts)
        best = std::max(best, contrastRatio(QColor(back), QColor(colour)));
    return best;
}

} // namespace

class ThemeContrastTest : public QObject {
    Q_OBJECT

    FakeSystemServices system;

    // What the rule promises for a control: 4.5:1, or the design's own where that is lower.
    static double promised(const ColorScheme &scheme, const FormDefinition &form, ControlId id)
    {
        const ControlDef &def = form.control(id);
        if (scheme.highContrast())
            return 4.5;
        const Look design = ColorScheme().control(form, id, backColorOf(def), def.locked);
        return std::min(4.5, contrast(design.text, design.back));
    }

    void measure(const char *theme, QWidget *window, const FormDefinition &form, const ColorScheme &scheme)
    {
        for (std::size_t i = 0; i < form.controls.size(); ++i) {
            const ControlDef &def = form.controls[i];
            const QString name = QString::fromUtf8(def.name.data(), static_cast<qsizetype>(def.name.size()));
            auto *w = window->findChild<QWidget *>(name);
            if (!w)
                continue;
            QString shown;
            if (auto *label = qobject_cast<QLabel *>(w))
                shown = label->text();
            else if (auto *edit = qobject_cast<QLineEdit *>(w))
                shown = edit->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                shown = button->text();
            if (shown.trimmed().isEmpty())
                continue;
            const double wanted = promised(scheme, form, static_cast<ControlId>(i)) * 0.95; // antialiased edges
            const double seen = measuredContrast(w);
            QVERIFY2(seen >= wanted, qPrintable(QStringLiteral("%1 %2: %3:1, wanted %4:1")
                                                   .arg(QLatin1String(theme), name)
                                                   .arg(seen, 0, 'f', 2)
                                                   .arg(wanted / 0.95, 0, 'f', 2)));
        }
    }

private slots:
    void cleanup() { QApplication::setPalette(QPalette()); }

    void everyTextReads_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("dark") << dark();
        QTest::newRow("high_contrast") << highContrast();
    }
    void everyTextReads()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        const char *theme = QTest::currentDataTag();

        RecordingFormsServices services;
        QVERIFY(services.scheme().highContrast() == (QByteArray(theme) == "high_contrast"));
        Kelvastro calculatorForm(services, system, NumberLocale{".", ",", 3, 3});
        services.show(calculatorForm);
        auto *main = qobject_cast<FormMainWindow *>(services.window(calculatorForm));
        QVERIFY(QTest::qWaitForWindowExposed(main));
        for (auto [name, text] : {std::pair{"Text1", "10"}, {"Text2", "5"}, {"Text5", "12"}})
            main->findChild<QLineEdit *>(QLatin1String(name))->setText(QLatin1String(text));
        services.view(calculatorForm).setText(calculator::status, "Brokerage rate open for editing");
        measure(theme, main, calculator::definition(), services.scheme());
        const double menu = measuredContrast(main->menuBar());
        QVERIFY2(menu >= 4.5 * 0.95, qPrintable(QStringLiteral("menu bar %1:1").arg(menu)));
        const double status = measuredContrast(main->findChild<QLabel *>(QStringLiteral("status")));
        QVERIFY2(status >= 4.5 * 0.95, qPrintable(QStringLiteral("status line %1:1").arg(status)));

        frmSplash tipsForm(services);
        FormDialog *tips = services.prepareDialog(tipsForm);
        tips->open();
        QVERIFY(QTest::qWaitForWindowExposed(tips));
        measure(theme, tips, tips::definition(), services.scheme());
        services.unload(tipsForm);

        frmAbout aboutForm(services, system);
        FormDialog *about = services.prepareDialog(aboutForm);
        about->open();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        measure(theme, about, about::definition(), services.scheme());
        services.unload(aboutForm);
    }
};

KELVASTRO_UI_TEST_MAIN(ThemeContrastTest)
#include "themecontrast_test.moc"
