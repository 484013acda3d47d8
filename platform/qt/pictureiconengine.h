// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIconEngine>
#include <QPixmap>
#include <QString>

#include <map>

namespace kelvastro {

// An icon drawn at fixed sizes, each picture read from its file the first
// time it is drawn: a program's start-up decodes only the sizes its window
// system asks for, not every size it ships.
class PictureIconEngine final : public QIconEngine {
public:
    // A square picture `side` pixels wide; `offered` if the window system is
    // to be handed it with the window (X11 takes every offered size at once).
    void addPicture(int side, const QString &path, bool offered);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    struct Picture {
        QString path;
        bool offered = false;
        QPixmap read; // null until first drawn
    };
    // The smallest picture at least this wide, else the largest.
    Picture *bestFor(const QSize &size);

    std::map<int, Picture> m_pictures;
};

} // namespace kelvastro
