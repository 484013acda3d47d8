// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/formdesign.h"

#include "platform/qt/desktoppalette.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace kelvastro::form {

QFont font(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

void setLook(QWidget *widget, const Look &look, const Look &selection)
{
    QPalette p = widget->palette();
    // Every group: an inactive window's controls read as well as an active one's.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        const auto g = static_cast<QPalette::ColorGroup>(group);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            p.setColor(g, role, qcolor(look.back));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(g, role, qcolor(look.text));
        p.setColor(g, QPalette::Highlight, qcolor(selection.back));
        p.setColor(g, QPalette::HighlightedText, qcolor(selection.text));
    }
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void useDesktopColors(QWidget *widget)
{
    const QPalette desktop = QApplication::palette(widget);
    QPalette p;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            p.setBrush(g, r, desktop.brush(g, r));
        }
    widget->setPalette(p);
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(geometry);
    l->setAutoFillBackground(true);
    return l;
}

void registerFontSubstitutes()
{
    // Liberation Sans shares Arial's metrics, so captions break where they were designed to.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
    // Pagella before P052: P052's wide line spacing would push the three-line
    // caption out of its box.
    QFont::insertSubstitutions(QStringLiteral("Book Antiqua"),
                               {QStringLiteral("TeX Gyre Pagella"), QStringLiteral("P052"),
                                QStringLiteral("Palatino Linotype"), QStringLiteral("Palatino"),
                                QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
}

} // namespace kelvastro::form
