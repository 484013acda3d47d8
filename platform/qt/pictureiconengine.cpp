// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/pictureiconengine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace kelvastro {

void PictureIconEngine::addPicture(int side, const QString &path, bool offered)
{
    m_pictures[side] = Picture{path, offered, {}};
}

PictureIconEngine::Picture *PictureIconEngine::bestFor(const QSize &size)
{
    if (m_pictures.empty())
        return nullptr;
    auto at = m_pictures.lower_bound(std::max(size.width(), size.height()));
    if (at == m_pictures.end())
        at = std::prev(at);
    return &at->second;
}

QPixmap PictureIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State)
{
    Picture *picture = bestFor(size);
    if (!picture)
        return {};
    if (picture->read.isNull())
        picture->read.load(picture->path, "PNG");
    QPixmap out = picture->read;
    if (out.size() != size && !out.isNull())
        out = out.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode == QIcon::Disabled) {
        QStyleOption option;
        option.palette = QApplication::palette();
        out = QApplication::style()->generatedIconPixmap(mode, out, &option);
    }
    return out;
}

void PictureIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * scale, mode, state);
    drawn.setDevicePixelRatio(scale);
    painter->drawPixmap(rect, drawn);
}

QSize PictureIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    return size;
}

QList<QSize> PictureIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const auto &[side, picture] : m_pictures)
        if (picture.offered)
            sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine *PictureIconEngine::clone() const
{
    return new PictureIconEngine(*this);
}

QString PictureIconEngine::key() const
{
    return QStringLiteral("kelvastro.pictures");
}

} // namespace kelvastro
