// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/formdesign.h"

#include "platform/qt/desktoppalette.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace kelvastro::form {

namespace {

// Stand-ins for the families the windows name, for systems that lack them,
// in order of preference.
struct StandIns {
    const char *family;
    std::initializer_list<const char *> standIns;
};
const StandIns kStandIns[] = {
    // Liberation Sans shares Arial's metrics, so captions break where they were designed to.
    {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
    // Pagella before P052: P052's wide line spacing would push the three-line
    // caption out of its box.
    {"Book Antiqua", {"TeX Gyre Pagella", "P052", "Palatino Linotype", "Palatino", "DejaVu Serif"}},
    {"MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"}},
};

// The family a window's font is drawn in, looked up once per family: asked
// for by a name it does not have, Qt would try each stand-in, and work out
// the fallbacks of every name it tried, for every size, at start-up.
QString installedFamily(const QString &family)
{
    static const QHash<QString, QString> installed = [] {
        QHash<QString, QString> out;
        const QStringList families = QFontDatabase::families();
        const auto has = [&families](const QString &name) { return families.contains(name, Qt::CaseInsensitive); };
        for (const StandIns &row : kStandIns) {
            const QString wanted = QString::fromLatin1(row.family);
            if (has(wanted))
                continue;
            for (const char *standIn : row.standIns) {
                if (has(QString::fromLatin1(standIn))) {
                    out.insert(wanted, QString::fromLatin1(standIn));
                    break;
                }
            }
        }
        return out;
    }();
    return installed.value(family, family);
}

} // namespace

QFont font(const QString &family, double points, bool bold)
{
    QFont f(installedFamily(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    // Captions and numbers are drawn as the design drew them, unkerned; text
    // that needs shaping (Devanagari, Arabic digits) still gets it. One such
    // font serves the fields, labels and buttons of a size alike.
    f.setStyleStrategy(QFont::PreferNoShaping);
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

} // namespace kelvastro::form
