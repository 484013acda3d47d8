// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/formcanvas.h"

#include "platform/forms/pixels.h"
#include "platform/qt/formdesign.h"
#include "platform/qt/desktoppalette.h"

#include <QPainter>

namespace kelvastro {

FormCanvas::FormCanvas(const FormDefinition &definition, QWidget *parent)
    : QWidget(parent), m_definition(definition)
{
    setObjectName(QStringLiteral("canvas"));
    const PixelRect client = clientRect(definition, kDesignDpi);
    setFixedSize(client.width, client.height);
    setScheme(m_scheme);
}

void FormCanvas::setScheme(const ColorScheme &scheme)
{
    m_scheme = scheme;
    const Look surface = scheme.window(m_definition);
    form::setLook(this, surface, scheme.selection());
    update();
}

void FormCanvas::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (const ControlDef &line : m_definition.controls) {
        if (line.kind != ControlKind::Line)
            continue;
        const PixelRect r = lineRect(line, kDesignDpi);
        p.fillRect(r.x, r.y, r.width, r.height, qcolor(m_scheme.line(m_definition, line)));
    }
}

} // namespace kelvastro
