// SPDX-License-Identifier: GPL-3.0-or-later
// The About window as Qt renders it, and Qt's keys and clicks reaching it.
#include "platform/qt/formdialog.h"
#include "platform/testing/fakesystemservices.h"
#include "platform/testing/memoryregistry.h"
#include "tests/platform/qt/focuscontrast.h"
#include "tests/platform/qt/labelfit.h"
#include "tests/platform/qt/qttestmain.h"
#include "tests/platform/qt/recordingformsservices.h"
#include "ui/about/frmabout.h"
#include "ui/calculator/kelvastro.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>
#include <memory>

using namespace kelvastro;

namespace {
const std::string kMessage = "System Information Is Unavailable At This Time";
}

class AboutWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingFormsServices> services;
    FakeSystemServices system;
    MemoryRegistry registry;
    std::unique_ptr<frmAbout> form;
    FormDialog *about = nullptr;

    void open()
    {
        services = std::make_unique<RecordingFormsServices>();
        system = FakeSystemServices{};
        system.registryToUse = &registry;
        form = std::make_unique<frmAbout>(*services, system);
        about = services->prepareDialog(*form);
        QVERIFY(about);
        about->open();
        QVERIFY(QTest::qWaitForWindowActive(about));
    }
    QString caption(const char *name) const { return about->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QPushButton *button(const char *name) const
    {
        return about->findChild<QPushButton *>(QString::fromLatin1(name));
    }

private slots:
    void focusShowsAtThreeToOne_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("cmdOK") << "cmdOK";
        QTest::newRow("cmdSysInfo") << "cmdSysInfo";
    }
    void focusShowsAtThreeToOne()
    {
        QFETCH(QString, name);
        open();
        QPushButton *b = button(qPrintable(name));
        const int perimeter = 2 * (b->width() + b->height());
        const int changed = focusPixels(b);
        QVERIFY2(changed >= perimeter, qPrintable(QStringLiteral("%1 of %2").arg(changed).arg(perimeter)));
    }

    void cleanup()
    {
        form.reset();
        services.reset();
    }

    void looksAsDefined()
    {
        open();
        QCOMPARE(about->size(), QSize(387, 250));
        // Its client area's corner 2340 and 1935 twips from the screen's where
        // the screen has room; on one 400 logical pixels wide (scale 2) as far
        // right as all of it stays on the screen: 400 - 387.
        const QRect screen = about->screen()->availableGeometry();
        QCOMPARE(about->geometry().topLeft(), QPoint(screen.width() >= 156 + 387 ? 156 : 13, 129));
        QCOMPARE(QApplication::focusWidget(), button("cmdOK"));
        QVERIFY(button("cmdOK")->isDefault());
        QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
        const QStringList clipped = clippedLabels(about);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }


    // The design gives the window and its labels one colour, the selection
    // highlight: on screen, an empty point of the window and each label's
    // box away from its text show the same one.
    void surfaceAndLabelsShowOneColour()
    {
        open();
        const QImage image = about->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        // Left of every label and above the double rule.
        const QColor surface = image.pixelColor(QPointF(3, 100).toPoint() * scale);
        for (const char *name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
            const QRect box = about->findChild<QLabel *>(QString::fromLatin1(name))->geometry();
            std::map<QRgb, int> counts;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    ++counts[image.pixel(QPoint(x, y) * scale)];
            const auto back = std::max_element(counts.begin(), counts.end(),
                                               [](const auto &a, const auto &b) { return a.second < b.second; });
            QVERIFY2(QColor(back->first) == surface,
                     qPrintable(QStringLiteral("%1: %2 on a window of %3")
                                    .arg(QLatin1String(name), QColor(back->first).name(), surface.name())));
        }
        qInfo("About's surface and labels: %s", qPrintable(surface.name()));
    }
};

KELVASTRO_UI_TEST_MAIN(AboutWindowTest)
#include "aboutwindow_test.moc"
