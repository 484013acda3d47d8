// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon: every size at hand, each read only when it is drawn.
#include "platform/qt/pictureiconengine.h"
#include "tests/platform/qt/qttestmain.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvastro;

class PictureIconEngineTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    // A picture of one colour per size, so that what is drawn tells which file it came from.
    QString picture(int side, QColor colour)
    {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(colour);
        QString path = folder.filePath(QStringLiteral("icon-%1.png").arg(side));
        image.save(path, "PNG");
        return path;
    }
    // Asked for in device pixels, whatever the screen's scale.
    static QPixmap at(const QIcon &icon, int side) { return icon.pixmap(QSize(side, side), 1.0); }
    static QColor drawn(const QIcon &icon, int side) { return at(icon, side).toImage().pixelColor(0, 0); }

private slots:
    void offersOnlyTheSizesMeantForTheWindowSystem()
    {
        auto *engine = new PictureIconEngine;
        engine->addPicture(16, picture(16, Qt::red), true);
        engine->addPicture(64, picture(64, Qt::green), true);
        engine->addPicture(256, picture(256, Qt::blue), false);
        const QIcon icon(engine);
        QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(64, 64)}));
    }

    // Each size from the picture made for it or the next larger one, scaled down.
    void drawsEachSizeFromTheNearestPictureAtLeastAsLarge()
    {
        auto *engine = new PictureIconEngine;
        engine->addPicture(16, picture(16, Qt::red), true);
        engine->addPicture(64, picture(64, Qt::green), true);
        engine->addPicture(256, picture(256, Qt::blue), false);
        const QIcon icon(engine);
        QCOMPARE(drawn(icon, 16), QColor(Qt::red));
        QCOMPARE(drawn(icon, 20), QColor(Qt::green));
        QCOMPARE(at(icon, 20).size(), QSize(20, 20));
        QCOMPARE(drawn(icon, 128), QColor(Qt::blue));
        QCOMPARE(drawn(icon, 512), QColor(Qt::blue)); // larger than any: the largest
    }

    // Nothing is read before it is drawn: a file gone by then leaves the
    // sizes already drawn intact and only its own size empty.
    void readsAPictureOnlyWhenItIsFirstDrawn()
    {
        auto *engine = new PictureIconEngine;
        engine->addPicture(16, picture(16, Qt::red), true);
        const QString large = picture(256, Qt::blue);
        engine->addPicture(256, large, false);
        const QIcon icon(engine);
        QCOMPARE(drawn(icon, 16), QColor(Qt::red));
        QVERIFY(QFile::remove(large));
        QVERIFY(at(icon, 256).isNull());
        QCOMPARE(drawn(icon, 16), QColor(Qt::red));
    }
};

KELVASTRO_UI_TEST_MAIN(PictureIconEngineTest)
#include "pictureiconengine_test.moc"
